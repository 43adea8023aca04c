// What the four search result windows share: their list boxes, the search
// that runs once inside Create, the painted heading, and reading which row a
// list notification is about.
#pragma once

#include <windows.h>

#include <cstddef>

#include "view.h"

namespace hoshikura {

class CSampleName;

// Room for a heading line or a list row: the longest query texts with their
// wording fit, and every text is formatted with this bound anyway.
constexpr int kSearchTextSize = 160;

// The single row of a list with nothing to show.
constexpr char kNoResultRow[] = "該当なし";

// Headings of good results are blue, of bad ones red.
constexpr COLORREF kGoodHeadingColour = 0xFF0000;
constexpr COLORREF kBadHeadingColour = 0x0000FF;
// Headings of the views that answer a reading are yellow, dark enough to
// read on the button face they stand on: at least 4.5:1 from the classic
// grey C0C0C0 to the light F0F0F0.
constexpr COLORREF kReadingHeadingColour = RGB(96, 72, 0);

// Where a result list stands: its left edge and width in the view window.
struct ListPlace {
    int x;
    int width;
};

class CSearchView : public CView {
public:
    CSearchView(int32_t viewKind, ListPlace firstList, ListPlace secondList = {0, 0});

    // The common steps, then the list boxes, the search and the first rows.
    // False when a window could not be created; nothing is then left open.
    bool Create(CViewList* list) override;
    // Title and the kind's window size.
    void PrepareWindow() override;
    // The lists are created by Create itself, after the window is shown.
    bool CreateControls() override { return true; }

    // Enter on a list acts on its selected row as a double-click on it does.
    void OnEnter(HWND focus) override;

    // Fills the ranking; Create runs it once, after the lists exist.
    virtual void RunSearch() = 0;

    // The store the search reads its sample names from.
    const CSampleName* samples = nullptr;

protected:
    virtual void FormatTitle(char* out, std::size_t capacity) const = 0;
    // The rows the lists show once the search has run.
    virtual void FillLists() = 0;
    // Acts on row `row` of list `slot`, double-clicked or chosen with Enter
    // (-1: none); rows that open nothing are ignored.
    virtual void OpenRow(int slot, int row) = 0;

    // The heading every kind starts with: bold 18-pixel Gothic in `colour`
    // on the button face; the second line is skipped when null.
    static void PaintHeading(CDrawContext& dc, const char* line1, COLORREF colour, POINT at1,
                             const char* line2, POINT at2);
    // True when the command is the notification `code` from list `slot`.
    bool FromList(UINT message, WPARAM wparam, LPARAM lparam, int slot, WORD code) const;
    // The selected row of list `slot`, or -1 when none is selected.
    int SelectedRow(int slot) const;
    // The row of list `slot` under the double-click being handled, or -1
    // when it fell beside the rows (below the last one, say).
    int DoubleClickedRow(int slot) const;
    void AddRow(int slot, const char* text) const;
    void ClearRows(int slot) const;
    // Judges a row's full name as typed in the full-name dialog.
    void JudgeFullName(const char* fullName) const;

private:
    bool CreateList(int slot, ListPlace place, int captionHeight);

    ListPlace places_[2];
};

// A row of a ranked result list: "%3d位 (%d点)    %s", with " (%s)" and
// the reading behind the text when one is given.
void FormatRankedRow(char* out, std::size_t capacity, int32_t rank, int32_t score,
                     const char* text, const char* reading = nullptr);

}  // namespace hoshikura
