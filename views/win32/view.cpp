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
    if (CreateControls()) {
        ScaleControlFonts();
        return true;
    }
    DiscardWindow();
    return false;
}

bool CView::CreateChildWindow(CViewList* list) {
    if (!list) return false;
    owner = list;
    PrepareWindow();
    dpi = WindowDpi(list->host.client);
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
    const SIZE size = WindowSize();
    MoveWindow(window, x, y, size.cx, size.cy, TRUE);
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
    const RECT place = OnScreen({x, y, x + w, y + h});
    const std::wstring wideClass = Wide(className), wideText = Wide(text);
    HWND control = CreateWindowExW(0, wideClass.c_str(), wideText.c_str(), WS_CHILD | WS_VISIBLE | style, place.left,
                                   place.top, place.right - place.left, place.bottom - place.top,
                                   window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   owner->host.instance, nullptr);
    if (slot >= 0 && slot < kViewControlCount) {
        controls[slot] = control;
        controlPlaces_[slot] = {x, y, x + w, y + h};
    }
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

SIZE CView::WindowSize() const {
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
    // The frame the window has now, or the one of its dpi when larger (the
    // system may draw frames at its own dpi, or not have redrawn it yet).
    RECT outer, inner;
    GetWindowRect(window, &outer);
    GetClientRect(window, &inner);
    SIZE frame = NonClientForDpi(style, exStyle, dpi);
    if (outer.right - outer.left - inner.right > frame.cx) frame.cx = outer.right - outer.left - inner.right;
    if (outer.bottom - outer.top - inner.bottom > frame.cy) frame.cy = outer.bottom - outer.top - inner.bottom;
    const SIZE client = DesignClient();
    return {Scaled(client.cx, dpi) + frame.cx, Scaled(client.cy, dpi) + frame.cy};
}

int CView::WidthForClient(int clientWidth) const {
    return clientWidth + NonClientForDpi(kChildStyle, WS_EX_MDICHILD, kDesignDpi).cx;
}

int CView::WindowAreaWidth() const {
    if (!owner || !owner->host.client) return 0;
    RECT area;
    GetClientRect(owner->host.client, &area);
    return MulDiv(area.right, kDesignDpi, WindowDpi(owner->host.client));
}

SIZE CView::DesignClient() const {
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
    const SIZE frame = NonClientForDpi(style, exStyle, kDesignDpi);
    return {width - frame.cx, height - frame.cy};
}

CView::~CView() {
    for (HFONT& font : scaledFonts_)
        if (font) DeleteObject(font);
}

void CView::ChangeDpi(int newDpi) {
    if (!window || newDpi <= 0) return;
    RECT place;
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&place), 1);
    const int oldDpi = dpi;
    dpi = newDpi;
    const SIZE size = WindowSize();
    SetWindowPos(window, nullptr, MulDiv(place.left, newDpi, oldDpi), MulDiv(place.top, newDpi, oldDpi),
                 size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    ScaleControlFonts();
    for (int slot = 0; slot < kViewControlCount; ++slot) {
        if (!controls[slot] || IsRectEmpty(&controlPlaces_[slot])) continue;
        const RECT at = OnScreen(controlPlaces_[slot]);
        MoveWindow(controls[slot], at.left, at.top, at.right - at.left, at.bottom - at.top, TRUE);
    }
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void CView::ScaleControlFonts() {
    const int system = SystemDpi();
    for (int slot = 0; slot < kViewControlCount; ++slot) {
        if (!controls[slot] || IsRectEmpty(&controlPlaces_[slot])) continue;
        if (!systemFontKept_[slot]) {
            // At the system's dpi a control keeps the font it was made with.
            if (dpi == system) continue;
            systemFonts_[slot] = reinterpret_cast<HFONT>(SendMessageW(controls[slot], WM_GETFONT, 0, 0));
            systemFontKept_[slot] = true;
        }
        HFONT scaled = nullptr;
        LOGFONTW font = {};  // wide, so a Japanese face name survives any code page
        HGDIOBJ own = systemFonts_[slot] ? systemFonts_[slot] : GetStockObject(SYSTEM_FONT);
        if (dpi != system && GetObjectW(own, sizeof font, &font)) {
            font.lfHeight = MulDiv(font.lfHeight, dpi, system);
            font.lfWidth = MulDiv(font.lfWidth, dpi, system);
            scaled = CreateFontIndirectW(&font);
        }
        SendMessageW(controls[slot], WM_SETFONT, reinterpret_cast<WPARAM>(scaled ? scaled : systemFonts_[slot]),
                     FALSE);
        if (scaledFonts_[slot]) DeleteObject(scaledFonts_[slot]);
        scaledFonts_[slot] = scaled;
    }
}

void CView::OnEnter(HWND focus) {
    wchar_t className[8] = {};
    GetClassNameW(focus, className, 8);
    if (lstrcmpiW(className, L"Button") == 0) SendMessageW(focus, BM_CLICK, 0, 0);
}

}  // namespace hoshikura
