// Program entry: window classes, the frame, the libraries the dialogs and
// views need, the recent-people menu, help, and the message loop.
#include <windows.h>

#include <commctrl.h>

#include "app_state.h"
#include "frame_window.h"
#include "help_loader.h"
#include "message_box_sink.h"
#include "recent_people.h"
#include "single_copy.h"
#include "stored_settings.h"
#include "window_placement.h"

namespace {

// The Unicode rich-edit control of the input dialogs and the explanation.
void LoadRichEdit(HWND frame) {
    if (!LoadLibraryW(L"MSFTEDIT.DLL"))
        hoshikura::MessageBoxOver(frame, "\"MSFTEDIT.DLL\"の読み込みに失敗しました。", "ロードエラー", MB_OK);
}

void LoadTabControl() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    using namespace hoshikura;
    CSingleCopy copy;
    if (!copy.RunsHere()) return 0;
    CMessageBoxSink sink;
    SetMessageSink(&sink);
    if (!RegisterWindowClasses(instance)) return 0;
    HWND frame = CreateFrameWindow(instance);
    if (!frame) return 0;
    ShowWindow(frame, showCommand);
    UpdateWindow(frame);
    LoadRichEdit(frame);
    LoadTabControl();
    RebuildRecentMenu();
    CallHtmlHelp(nullptr, nullptr, HH_INITIALIZE, reinterpret_cast<DWORD_PTR>(&App().helpCookie));
    int code = RunMessageLoop();
    ReportFailedSave();
    SetMessageSink(nullptr);
    return code;
}
