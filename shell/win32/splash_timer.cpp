// Closes the start-up splash (the version view) once more than two seconds
// have been counted; the first call only starts the count, so the splash
// goes at the seventh call, about 3.5 s after the frame was created, and the
// timer with it.
#include "app_state.h"
#include "frame_window.h"
#include "view.h"
#include "view_list.h"

namespace hoshikura {

namespace {

constexpr uint32_t kSplashMilliseconds = 2000;

// The newest version view's window while it is still listed: the user may
// have closed it, and a handle can be reused by a later window.
HWND OpenSplash(const CAppState& app) {
    if (!app.viewList || !app.viewList->versionWindow) return nullptr;
    CView* view = app.viewList->Find(app.viewList->versionWindow);
    return view && view->kind == kVersionView ? view->window : nullptr;
}

}  // namespace

void CALLBACK SplashTimerProc(HWND frame, UINT, UINT_PTR id, DWORD) {
    CAppState& app = App();
    uint32_t now = GetTickCount();
    if (!app.splashStarted) {
        app.splashStarted = true;
        app.splashLastTick = now;
    }
    if (app.splashElapsed > kSplashMilliseconds && app.splashPending) {
        if (HWND splash = OpenSplash(app))
            SendMessageA(app.client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(splash), 0);
        app.splashPending = false;
        // Nothing is left to count.
        KillTimer(frame, id);
        return;
    }
    app.splashElapsed += now - app.splashLastTick;
    app.splashLastTick = now;
}

}  // namespace hoshikura
