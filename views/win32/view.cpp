#include "view.h"

#include <commctrl.h>

#include <cstring>

#include "child_window.h"
#include "view_list.h"
#include "wide_text.h"

namespace hoshikura {

namespace {

constexpr wchar_t kChildClass[] = L"MDIChild";
// Caption, system menu and minimise box; 0x40 drops the sizing border and
// the maximise box of the MDI child's default style.
constexpr DWORD kChildStyle = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | 0x40;
constexpr int kCascadeStep = 16;
constexpr int kCascadeWrap = 8;

constexpr ViewSize kViewSizes[kViewKindCount] = {
    {384, 0},    // judgement: height from its layout
    {384, 320},  // explanation
    {360, 256},  // stroke method
    {384, 320},  // five-element method
    {280, 0},    // yin-yang method: height from the name's length
    {384, 0},    // same-stroke method: height from the name's length
    {0, 0},      // no view
    {600, 384},  // best and worst
    {480, 450},  // stroke-pattern search
    {320, 400},  // reading search
    {400, 400},  // kanji search
    {300, 400},  // surname search
    {320, 240},  // version
    {480, 390},  // features
    {400, 400},  // spellings composed for a reading
    {600, 360},  // the candidates compared
};

}  // namespace

ViewSize ViewSizeOf(int kind) {
    if (kind < 0 || kind >= kViewKindCount) return {0, 0};
    return kViewSizes[kind];
}

bool CView::Create(CViewList* list) {
    if (!CreateChildWindow(list)) return false;
    int offset = (owner->windowCount % kCascadeWrap) * kCascadeStep;
    ShowAt(offset, offset);
    if (CreateControls()) return true;
    DiscardWindow();
    return false;
}

bool CView::CreateChildWindow(CViewList* list) {
    if (!list) return false;
    owner = list;
    PrepareWindow();
    window = CreateMDIWindowW(kChildClass, Wide(title).c_str(), kChildStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                              width, height, list->host.client, list->host.instance,
                              reinterpret_cast<LPARAM>(this));
    if (!window) return false;
    // The child window procedure finds its view from here (once listed).
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (kind == kRankView) list->rankingWindow = window;
    if (kind == kVersionView) list->versionWindow = window;
    return true;
}

void CView::ShowAt(int x, int y) {
    MoveWindow(window, x, y, width, height, TRUE);
    ShowWindow(window, SW_SHOWNORMAL);
    ++owner->windowCount;
}

void CView::DiscardWindow() {
    if (!window) return;
    owner->ForgetWindow(window);
    // The view is not listed yet, so the child procedure leaves the count
    // alone when this window goes.
    SendMessageA(owner->host.client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
    window = nullptr;
    --owner->windowCount;
}

HWND CView::AddControl(int slot, const char* className, const char* text, DWORD style, int x,
                       int y, int w, int h, int id) {
    const std::wstring wideClass = Wide(className), wideText = Wide(text);
    HWND control = CreateWindowExW(0, wideClass.c_str(), wideText.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                                   window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   owner->host.instance, nullptr);
    if (slot >= 0 && slot < kViewControlCount) controls[slot] = control;
    if (control) SubclassControl(control, EscapeToParentProc);
    // A list view draws in the dialog font, the other controls in the
    // system font.
    const bool table = std::strcmp(className, WC_LISTVIEWA) == 0;
    const ControlLook look = table ? ControlLook::kDialogFont : ControlLook::kSystemFont;
    if (control) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(owner->ControlFont(look)), FALSE);
    return control;
}

bool CView::AddButtons(const ButtonPlace* buttons, int count) {
    for (int id = 0; id < count; ++id) {
        const RECT& area = buttons[id].area;
        if (!AddControl(id, "BUTTON", buttons[id].text, WS_TABSTOP | BS_PUSHBUTTON, area.left,
                        area.top, area.right - area.left, area.bottom - area.top,
                        kFirstButtonId + id))
            return false;
    }
    return true;
}

void CView::OnEnter(HWND focus) {
    wchar_t className[8] = {};
    GetClassNameW(focus, className, 8);
    if (lstrcmpiW(className, L"Button") == 0) SendMessageW(focus, BM_CLICK, 0, 0);
}

}  // namespace hoshikura
