// The comparison of the candidate names: one report-style list row a name,
// with the five grids in their luck colours, the four method scores, the
// total and its word; sorted by total at first and by any column whose
// header is clicked. Enter or a double-click judges the row, Delete takes
// the selected candidates off after a question, Ctrl+C and a button copy the
// table as tab-separated text, and a button prints it on one page.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "name_comparison.h"
#include "view.h"

namespace hoshikura {

// Control slots and ids: the list, then the buttons.
enum ComparisonControl {
    kComparisonList = 0,
    kCopyButton = 1,
    kComparisonPrintButton = 2,
    kComparisonControlCount = 3,
};

using CandidateNames = std::vector<std::pair<std::string, std::string>>;

class CComparisonView : public CView {
public:
    CComparisonView() : CView(kComparisonView) {}
    void Paint(CDrawContext& dc) override;
    void OnCommand(UINT message, WPARAM wparam, LPARAM lparam) override;
    // Enter on the list (dialog navigation takes it from the list) judges
    // the focused row; on a button it presses the button.
    void OnEnter(HWND focus) override;
    LRESULT OnNotify(WPARAM wparam, LPARAM lparam) override;
    void PrepareWindow() override;
    bool CreateControls() override;
    // The controls as every view's, and the list's columns as wide as at
    // 96 dpi times the scale.
    void ChangeDpi(int newDpi) override;
    const char* Surname() const override { return ""; }
    const char* GivenName() const override { return ""; }

    // Shows these candidates, in the order they were added, under the
    // column and order the view sorts by now.
    void SetNames(const CandidateNames& names);
    const CNameComparison& Table() const { return table_; }

    // The selected rows' positions among the candidates, highest first.
    std::vector<int> SelectedEntries() const;
    // Puts the table on the clipboard as tab-separated Unicode text.
    bool CopyTable() const;
    // Asks, then has the host take the selected candidates off.
    void DeleteSelected();

private:
    void FillList();
    void JudgeRow(int row) const;
    void OnKey(WORD key);
    LRESULT OnCustomDraw(LPARAM lparam) const;

    CNameComparison table_;
};

// Draws the comparison on a page of width × height device units.
void DrawComparisonPage(HDC dc, const CNameComparison& table, int width, int height);

}  // namespace hoshikura
