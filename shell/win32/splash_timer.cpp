// Closes the start-up splash (the version view) when its one-shot timer
// fires, about 3.5 s after the frame was created.
#include "app_state.h"
#include "frame_window.h"
#include "view.h"
#include "view_list.h"

namespace hoshikura {

namespace {

// The newest version view's window while it is still listed: the user may
// have closed it, and a handle can be reused by a later window.
HWND OpenSplash(const CAppState& app) {
    if (!app.viewList || !app.viewList->versionWindow) return nullptr;
    CView* view = app.viewList->Find(app.viewList->versionWindow);
    return view && view->kind == kVersionView ? view->window : nullptr;
}

}  // namespace

void CALLBACK SplashTimerProc(HWND frame, UINT, UINT_PTR id, DWORD) {
    KillTimer(frame, id);
    CAppState& app = App();
    if (!app.splashPending) return;
    app.splashPending = false;
    if (HWND splash = OpenSplash(app))
        SendMessageA(app.client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(splash), 0);
}

}  // namespace hoshikura
