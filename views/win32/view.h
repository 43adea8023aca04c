// The abstract view behind every MDI child window, and the view kinds, which
// are also the request kinds of dispatch.
#pragma once

#include <windows.h>

#include <cstdint>

#include "dpi.h"

namespace hoshikura {

class CDrawContext;
class CViewList;

enum ViewKind : int32_t {
    kJudgementView = 0,
    kExplanationView = 1,
    kStrokeMethodView = 2,
    kElementMethodView = 3,
    kYinYangMethodView = 4,
    kSameStrokeMethodView = 5,
    // 6 opens nothing: no view has that kind.
    kRankView = 7,
    kStrokeSearchView = 8,
    kReadingSearchView = 9,
    kKanjiSearchView = 10,
    kSurnameSearchView = 11,
    kVersionView = 12,
    kFeaturesView = 13,
    kComposeSearchView = 14,
    kComparisonView = 15,
};
constexpr int kViewKindCount = 16;

constexpr int kViewControlCount = 24;
// A view's push button has the id kFirstButtonId + its slot: dialog
// navigation sends Enter and Escape to the view as the ids 1 (IDOK) and 2
// (IDCANCEL), which no control of a view may have.
constexpr int kFirstButtonId = 512;
constexpr int kViewTitleSize = 128;

// Window width and height of a kind; 0 × 0 for 6 and kinds outside the
// table. Kinds whose height depends on their content compute it.
struct ViewSize {
    int32_t width;
    int32_t height;
};
ViewSize ViewSizeOf(int kind);

// A push button of a view: its text and place; its index among the view's
// buttons is its control slot.
struct ButtonPlace {
    const char* text;
    RECT area;
};

class CView {
public:
    explicit CView(int32_t viewKind) : kind(viewKind) {}
    // Deletes the control fonts made for a dpi other than the system's.
    virtual ~CView();
    CView(const CView&) = delete;
    CView& operator=(const CView&) = delete;

    // Draws the view through a drawing context made for this paint on the
    // window's paint DC, or on any DC handed to WM_PRINTCLIENT.
    virtual void Paint(CDrawContext& dc) = 0;
    virtual void OnCommand(UINT message, WPARAM wparam, LPARAM lparam) = 0;
    // A notification of one of its controls (WM_NOTIFY); the result goes
    // back to the control.
    virtual LRESULT OnNotify(WPARAM, LPARAM) { return 0; }
    // Enter pressed while `focus`, a control of the view, has the focus:
    // a push button is pressed.
    virtual void OnEnter(HWND focus);
    // Fills the title, width and height.
    virtual void PrepareWindow() = 0;
    // Creates the MDI child window in the list's MDI client, and its
    // controls, and shows the view. False when the window or a control could
    // not be created; the view then holds no window and has not been counted.
    virtual bool Create(CViewList* list);
    virtual bool CreateControls() = 0;
    virtual const char* Surname() const = 0;
    virtual const char* GivenName() const = 0;
    // Lays the view out anew at `newDpi` (its window moved to a monitor of
    // another scale): window size and place, controls and their fonts; then
    // repaints it.
    virtual void ChangeDpi(int newDpi);

    int32_t kind;
    HWND window = nullptr;
    HWND controls[kViewControlCount] = {};
    char title[kViewTitleSize] = {};
    // The window's size at 96 dpi, as the view draws in 96-dpi units.
    int32_t height = 0;
    int32_t width = 0;
    // The dpi the window is laid out for: its MDI client's at creation.
    int dpi = kDesignDpi;
    CView* next = nullptr;
    CViewList* owner = nullptr;  // set by Create; its host lends the program's services

protected:
    // Steps shared by every kind's Create: title and size, then the MDI
    // child window; and placing, showing and counting it.
    bool CreateChildWindow(CViewList* list);
    void ShowAt(int x, int y);
    // Undoes the window after a later step failed (also uncounts it).
    void DiscardWindow();
    // A child control of the view's window with the given id.
    HWND AddControl(int slot, const char* className, const char* text, DWORD style, int x,
                    int y, int w, int h, int id);
    // The push buttons 0..count-1; false when one could not be created.
    bool AddButtons(const ButtonPlace* buttons, int count);
    // The window's size on the screen at its dpi.
    SIZE WindowSize() const;
    // The client area in 96-dpi pixels.
    SIZE DesignClient() const;
    // Before the window is made (PrepareWindow): the window width, in 96-dpi
    // pixels, that gives a view of this kind a client area `clientWidth`
    // wide, and the width of the window area the view opens in.
    int WidthForClient(int clientWidth) const;
    int WindowAreaWidth() const;
    // Where a control of a slot stands, in 96-dpi pixels of the client
    // area, and the same on the screen; the layout moves it at a new dpi.
    RECT& ControlPlace(int slot) { return controlPlaces_[slot]; }
    RECT OnScreen(const RECT& design) const { return Scaled(design, dpi); }
    // Gives each placed control a copy of its system font scaled to the
    // view's dpi, or its own font back at the system's dpi (the stock fonts
    // are made for that one). Controls without a place keep their fonts.
    void ScaleControlFonts();

private:
    RECT controlPlaces_[kViewControlCount] = {};
    HFONT systemFonts_[kViewControlCount] = {};
    HFONT scaledFonts_[kViewControlCount] = {};
    bool systemFontKept_[kViewControlCount] = {};
};

}  // namespace hoshikura
