// The explanation window of a name (kind 1): a tab per grid (person, earth,
// outer, total) over a read-only rich-edit page with the grid's heading and
// the fortune text of its number.
#pragma once

#include <windows.h>

#include <cstdint>

#include "person_view.h"

namespace hoshikura {

constexpr int kExplanationTabs = 4;

// Control slots of the explanation view.
enum ExplanationControl { kTabSlot = 0, kPageSlot = 1 };

class CExplanationView : public CPersonView {
public:
    explicit CExplanationView(int32_t viewKind = kExplanationView) : CPersonView(viewKind) {}
    // Draws nothing: the page got its text when it was opened or its tab chosen.
    void Paint(CDrawContext&) override {}
    // A selection change of its own tab control (WM_NOTIFY) shows that tab.
    void OnCommand(UINT message, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnNotify(WPARAM wparam, LPARAM lparam) override {
        OnCommand(WM_NOTIFY, wparam, lparam);
        return 0;
    }
    void PrepareWindow() override;
    // The window with the tab control and the page, showing the first tab.
    bool Create(CViewList* list) override;
    bool CreateControls() override { return true; }
    // The tab control as every view's controls, then the page inside it and
    // its text zoomed from the system's dpi to the view's.
    void ChangeDpi(int newDpi) override;

    // Shows tab 0..3 in the page (other values are ignored).
    void ShowTab(int32_t tab);

    HWND tabControl = nullptr;
    HWND page = nullptr;           // the rich-edit control, a child of the tab control
    int32_t currentTab = 0;

private:
    bool CreateTabControl();
    bool CreatePage();
    // Where the page stands: the tab control's display area.
    RECT PageArea() const;
    // The page's lines break inside its client area.
    void BreakLinesInside();
    void ZoomPage();
    // The tabs' padding around their labels grows with the labels' font,
    // which the tab control measures them in when it gets it: so before it.
    void PadTabs(int forDpi);
};

}  // namespace hoshikura
