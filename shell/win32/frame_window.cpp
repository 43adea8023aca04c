#include "frame_window.h"

#include <cstdio>

#include "app_objects.h"
#include "app_state.h"
#include "child_window.h"
#include "dispatch.h"
#include "dpi.h"
#include "help_loader.h"
#include "sex_menu_win32.h"
#include "stored_settings.h"
#include "view.h"
#include "view_list.h"
#include "wide_text.h"
#include "window_placement.h"

namespace hoshikura {

namespace {

constexpr char kChildClass[] = "MDIChild";
constexpr char kFrameTitle[] = "Hoshikura";
constexpr int kWindowMenuPosition = 2;    // "ｳｨﾝﾄﾞｳ(&W)"
// The start-up splash stays about 3.5 s.
constexpr UINT kSplashMilliseconds = 3500;
constexpr int kTallScreen = 600;

bool RegisterClass(HINSTANCE instance, const char* name, WNDPROC procedure, const char* icon,
                   HBRUSH background, const char* menu) {
    const std::wstring className = Wide(name);
    const std::wstring menuName = Wide(menu);
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, icon);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszMenuName = menu ? menuName.c_str() : nullptr;
    wc.lpszClassName = className.c_str();
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, icon, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                     GetSystemMetrics(SM_CYSMICON), 0));
    // Unicode windows: their titles, menus and messages are UTF-16 whatever
    // the system's code page.
    return RegisterClassExW(&wc) != 0;
}

// Sized for its monitor's dpi and centred in the work area.
void CentreFrame(HWND frame) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(frame, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& screen = monitor.rcMonitor;
    const RECT& work = monitor.rcWork;
    const SIZE size = FrameSizeAt(WindowDpi(frame), {screen.right - screen.left, screen.bottom - screen.top},
                                  {work.right - work.left, work.bottom - work.top});
    SetWindowPos(frame, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOMOVE);
    CentreOver(frame, nullptr);
}

// The frame moved to a monitor of another scale: it takes the place the
// system suggests, and every view is laid out anew at the new dpi.
void OnDpiChanged(HWND frame, int dpi, const RECT& suggested) {
    SetWindowPos(frame, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (!App().viewList) return;
    for (CView* view = App().viewList->head; view; view = view->next) view->ChangeDpi(dpi);
}

HWND CreateClient(HWND frame) {
    RECT area;
    GetClientRect(frame, &area);
    CLIENTCREATESTRUCT create = {};
    create.hWindowMenu = GetSubMenu(GetMenu(frame), kWindowMenuPosition);
    create.idFirstChild = kFirstMdiChildId;
    // Scroll bars reach views that do not fit the window area (a small
    // screen, a high display scale).
    HWND client = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
        WS_CHILD | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL | MDIS_ALLCHILDSTYLES,
        0, 0, area.right, area.bottom, frame,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMdiClientId)), App().instance, &create);
    if (!client) return nullptr;
    // With no view, or none active, the client has the focus: Escape goes
    // on to the frame.
    SubclassControl(client, EscapeToParentProc);
    ShowWindow(client, SW_SHOW);
    return client;
}

// Frame creation: objects, size, client, splash. -1 fails the creation.
LRESULT OnCreate(HWND frame) {
    if (!CreateAppObjects()) return -1;
    ShowSexChoice(frame);
    ShowTodayOnly(frame);
    CentreFrame(frame);
    CAppState& app = App();
    app.client = CreateClient(frame);
    if (!app.client) return -1;
    app.viewList->host.client = app.client;
    app.splashPending = true;
    SetTimer(frame, kSplashTimerId, kSplashMilliseconds, SplashTimerProc);
    OpenSingleView(kVersionView);
    return 0;
}

// "&1 " and the view's title with each "&" doubled, as a menu shows it.
void FormatWindowMenuEntry(int number, const char* title, char* out, std::size_t capacity) {
    const int prefix = std::snprintf(out, capacity, "&%d ", number);
    if (prefix < 0 || static_cast<std::size_t>(prefix) >= capacity) return;
    std::size_t at = static_cast<std::size_t>(prefix);
    for (const char* p = title; *p != '\0' && at + 2 < capacity; ++p) {
        if (*p == '&') out[at++] = '&';  // never a trail byte in Shift-JIS
        out[at++] = *p;
    }
    out[at] = '\0';
}

// The window menu lists the views by their titles, where an "&" would be
// taken as a mnemonic ("Best10 & Worst10" read "Best10 _Worst10"): the
// entries are written anew as the menu opens.
void ShowTitlesInWindowMenu(HMENU menu) {
    const int entries = GetMenuItemCount(menu);
    for (int i = 0; i < entries; ++i) {
        const UINT id = GetMenuItemID(menu, i);
        HWND view = id >= static_cast<UINT>(kFirstMdiChildId) ? GetDlgItem(App().client, id) : nullptr;
        if (!view) continue;
        const std::string title = Narrow(WindowText(view));
        char entry[2 * kViewTitleSize + 8];
        FormatWindowMenuEntry(static_cast<int>(id) - kFirstMdiChildId + 1, title.c_str(), entry, sizeof entry);
        const UINT checked = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED;
        ModifyMenuW(menu, static_cast<UINT>(i), MF_BYPOSITION | MF_STRING | checked, id, Wide(entry).c_str());
    }
}

void OnEscape(HWND frame) {
    if (ConfirmClose(frame)) DestroyWindow(frame);
}

void OnDestroy() {
    PostQuitMessage(0);
    CallHtmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
    CallHtmlHelp(nullptr, nullptr, HH_UNINITIALIZE, App().helpCookie);
}

}  // namespace

bool RegisterWindowClasses(HINSTANCE instance) {
    return RegisterClass(instance, kFrameClass, FrameWndProc, "MYMDIAPP",
                         reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1), "MYMDIAPP") &&
           RegisterClass(instance, kChildClass, ChildWndProc, "MDICHILD",
                         reinterpret_cast<HBRUSH>(COLOR_MENU + 1), nullptr);
}

HWND CreateFrameWindow(HINSTANCE instance) {
    App().instance = instance;
    const std::wstring className = Wide(kFrameClass), title = Wide(kFrameTitle);
    HWND frame = CreateWindowExW(0, className.c_str(), title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                 0, 640, 480, nullptr, nullptr, instance, nullptr);
    App().frame = frame;
    return frame;
}

bool TranslateViewKeys(MSG* message) {
    HWND client = App().client;
    if (!client) return false;
    if (TranslateMDISysAccel(client, message)) return true;
    HWND view = reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
    return view && IsDialogMessageW(view, message);
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TranslateViewKeys(&message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

SIZE FrameSizeFor(int screenHeight) {
    if (screenHeight > kTallScreen) return {800, 600};
    return {640, 480};
}

SIZE FrameSizeAt(int dpi, SIZE screen, SIZE work) {
    const SIZE design = FrameSizeFor(MulDiv(screen.cy, kDesignDpi, dpi));
    const int width = Scaled(design.cx, dpi), height = Scaled(design.cy, dpi);
    return {width < work.cx ? width : work.cx, height < work.cy ? height : work.cy};
}

LRESULT CALLBACK FrameWndProc(HWND frame, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(frame);
    case WM_SIZE:
        MoveWindow(App().client, 0, 0, LOWORD(lparam), HIWORD(lparam), TRUE);
        return 0;
    case WM_KEYDOWN:
        if (wparam == VK_ESCAPE) OnEscape(frame);
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(frame, LOWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
        return 0;
    case WM_COMMAND:
        if (OnFrameCommand(frame, LOWORD(wparam))) return 0;
        break;
    case WM_INITMENUPOPUP: {
        const LRESULT result = DefFrameProcW(frame, App().client, message, wparam, lparam);
        HMENU popup = reinterpret_cast<HMENU>(wparam);
        if (popup == GetSubMenu(GetMenu(frame), kWindowMenuPosition)) ShowTitlesInWindowMenu(popup);
        return result;
    }
    case WM_ENDSESSION:
        // Logoff and shutdown end the process without destroying the frame.
        if (wparam && App().settingsLoaded) SaveStoredSettings();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_NCDESTROY:
        DestroyAppObjects();
        App().frame = nullptr;  // messages after this have no owner
        return 0;
    default:
        break;
    }
    return DefFrameProcW(frame, App().client, message, wparam, lparam);
}

}  // namespace hoshikura
