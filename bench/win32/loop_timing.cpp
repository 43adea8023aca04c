// How fast the program's message loop is under real windows: the messages
// it handles per second, and the time from a judge command (the request the
// full-name dialog makes) to its view painted through the loop. Runs the
// frame hidden, with the libraries the program loads, and prints the
// figures; it checks nothing.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app_state.h"
#include "dispatch.h"
#include "frame_window.h"
#include "view_list.h"

namespace {

using namespace hoshikura;

constexpr int kMessages = 20000;
constexpr int kJudgements = 30;

double Seconds() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Posted messages the loop hands to the frame, which ignores them; the loop
// ends once the queue is empty.
double MessagesPerSecond() {
    for (int i = 0; i < kMessages; ++i) PostMessageA(App().frame, WM_NULL, 0, 0);
    PostQuitMessage(0);
    const double start = Seconds();
    RunMessageLoop();
    return kMessages / (Seconds() - start);
}

// Ends the loop once a new view has painted, whether its paint came from
// the queue (the quit message then follows the paint's dispatch) or was sent
// at once.
HWND g_known = nullptr;
void QuitOnNewViewPaint(UINT message, HWND window) {
    if (message == WM_PAINT && window != g_known && GetParent(window) == App().client) PostQuitMessage(0);
}

LRESULT CALLBACK OnTaken(int code, WPARAM wparam, LPARAM lparam) {
    const MSG* message = reinterpret_cast<const MSG*>(lparam);
    if (code == HC_ACTION && wparam == PM_REMOVE) QuitOnNewViewPaint(message->message, message->hwnd);
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

LRESULT CALLBACK OnReturned(int code, WPARAM wparam, LPARAM lparam) {
    const CWPRETSTRUCT* call = reinterpret_cast<const CWPRETSTRUCT*>(lparam);
    if (code == HC_ACTION) QuitOnNewViewPaint(call->message, call->hwnd);
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

double MillisecondsToPaintedJudgement() {
    g_known = reinterpret_cast<HWND>(SendMessageA(App().client, WM_MDIGETACTIVE, 0, 0));
    HHOOK taken = SetWindowsHookExA(WH_GETMESSAGE, OnTaken, nullptr, GetCurrentThreadId());
    HHOOK returned = SetWindowsHookExA(WH_CALLWNDPROCRET, OnReturned, nullptr, GetCurrentThreadId());
    const double start = Seconds();
    JudgeFullName("山田 太郎");
    RunMessageLoop();
    const double elapsed = Seconds() - start;
    UnhookWindowsHookEx(taken);
    UnhookWindowsHookEx(returned);
    HWND view = reinterpret_cast<HWND>(SendMessageA(App().client, WM_MDIGETACTIVE, 0, 0));
    SendMessageA(App().client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(view), 0);
    return elapsed * 1000;
}

}  // namespace

int main() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    LoadLibraryW(L"MSFTEDIT.DLL");
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    if (!RegisterWindowClasses(instance) || !CreateFrameWindow(instance)) return 1;
    ShowWindow(App().frame, SW_SHOW);
    // The splash goes first, so only the judged view paints.
    CViewList& list = *App().viewList;
    if (list.versionWindow) SendMessageA(App().client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(list.versionWindow), 0);
    KillTimer(App().frame, kSplashTimerId);

    std::printf("messages per second: %.0f\n", MessagesPerSecond());
    std::vector<double> times;
    for (int i = 0; i < kJudgements; ++i) times.push_back(MillisecondsToPaintedJudgement());
    std::sort(times.begin(), times.end());
    std::printf("judge command to painted view: median %.1f ms, fastest %.1f ms, slowest %.1f ms (%d runs)\n",
                times[times.size() / 2], times.front(), times.back(), kJudgements);
    // The stored lists are left as they were: no frame destruction, no save.
    std::fflush(stdout);
    ExitProcess(0);
}
