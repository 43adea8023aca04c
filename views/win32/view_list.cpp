#include "view_list.h"

#include "dpi.h"
#include "draw_context.h"
#include "view.h"

namespace hoshikura {

namespace {

// The system font of a Japanese Windows has cells 8 pixels wide and 18
// high; its dialog font is Gothic 12 pixels high.
constexpr int kSystemFontHeight = 18;
constexpr int kSystemFontWidth = 8;
constexpr int kDialogFontHeight = -12;  // the character, without the leading

// At the system's dpi, as the system's own fonts are; a view at another dpi
// scales its controls' fonts from there.
HFONT NewControlFont(int height, int width) {
    const int dpi = SystemDpi();
    LOGFONTW font = LogicalFont({"ゴシック", Scaled(height, dpi)});
    font.lfWidth = Scaled(width, dpi);
    return CreateFontIndirectW(&font);
}

}  // namespace

CViewList::CViewList()
    : controlFonts_{NewControlFont(kSystemFontHeight, kSystemFontWidth), NewControlFont(kDialogFontHeight, 0)} {}

CViewList::~CViewList() {
    // Views normally leave with their windows; any left are freed here.
    while (head) {
        CView* view = head;
        head = view->next;
        Delete(view);
    }
    for (HFONT font : controlFonts_)
        if (font) DeleteObject(font);
}

void CViewList::Append(CView* view) {
    if (!view) return;
    view->next = nullptr;
    CView** link = &head;
    while (*link) link = &(*link)->next;
    *link = view;
}

CView* CViewList::Find(HWND window) const {
    for (CView* view = head; view; view = view->next) {
        if (view->window == window) return view;
    }
    return nullptr;
}

bool CViewList::Remove(HWND window) {
    for (CView** link = &head; *link; link = &(*link)->next) {
        CView* view = *link;
        if (view->window != window) continue;
        *link = view->next;
        Delete(view);
        return true;
    }
    return false;
}

void CViewList::Delete(CView* view) {
    if (!view) return;
    // The splash timer must not later destroy a window that is gone (or a
    // new window that happens to reuse the handle).
    ForgetWindow(view->window);
    switch (view->kind) {
    case kRankView:
        rankingOpen = 0;
        rankingWindow = nullptr;
        break;
    case kVersionView:
        versionOpen = 0;
        break;
    case kFeaturesView:
        featuresOpen = 0;
        break;
    case kComparisonView:
        comparisonOpen = 0;
        break;
    default:
        break;
    }
    delete view;
}

void CViewList::ForgetWindow(HWND window) {
    if (!window) return;
    if (rankingWindow == window) rankingWindow = nullptr;
    if (versionWindow == window) versionWindow = nullptr;
}

}  // namespace hoshikura
