#include "gui_fixture.h"

#include <direct.h>

#include <commctrl.h>

#include "app_state.h"
#include "frame_window.h"
#include "message_box_sink.h"
#include "message_sink.h"
#include "view.h"
#include "view_list.h"

namespace hoshikura {
namespace test {

namespace {

class CCollectingSink : public CMessageSink {
public:
    void Show(const char* text) override { shown.emplace_back(text); }
    void Debug(const char* text) override { debug.emplace_back(text); }
    std::vector<std::string> shown;
    std::vector<std::string> debug;
};

CCollectingSink& Sink() {
    static CCollectingSink sink;
    return sink;
}

struct CBoxAnswer {
    int button = 0;
    std::string* text = nullptr;
    UINT_PTR timer = 0;
};

CBoxAnswer& Answer() {
    static CBoxAnswer answer;
    return answer;
}

BOOL CALLBACK AnswerIfMessageBox(HWND window, LPARAM) {
    if (!IsDialogWindow(window)) return TRUE;
    CBoxAnswer& answer = Answer();
    if (answer.text) {
        char text[512] = {};
        // The message box's text is its static control with id 0xFFFF.
        GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
        *answer.text = text;
    }
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(answer.button, BN_CLICKED), 0);
    KillTimer(nullptr, answer.timer);
    answer.timer = 0;
    return FALSE;
}

// Runs inside the message box's own modal loop.
void CALLBACK AnswerTimer(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), AnswerIfMessageBox, 0);
}

}  // namespace

HWND EnsureFrame() {
    CAppState& app = App();
    if (app.frame) return app.frame;
    SetMessageSink(&Sink());
    static bool registered = false;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!registered) {
        LoadLibraryA("RICHED32.DLL");
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);
        registered = RegisterWindowClasses(instance);
        if (!registered) return nullptr;
    }
    app = CAppState();
    return CreateFrameWindow(instance);
}

void DestroyFrame() {
    if (App().frame) DestroyWindow(App().frame);
    App().frame = nullptr;
    // The frame posted its quit message; it must not end a later loop.
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

bool IsDialogWindow(HWND window) {
    char className[16];
    return GetClassNameA(window, className, sizeof className) && !lstrcmpA(className, "#32770");
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void PumpFor(DWORD milliseconds) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        PumpMessages();
        Sleep(5);
    }
}

void CloseAllViews() {
    CAppState& app = App();
    while (app.viewList && app.viewList->head)
        SendMessageA(app.client, WM_MDIDESTROY,
                     reinterpret_cast<WPARAM>(app.viewList->head->window), 0);
    PumpMessages();
}

int ViewCount() {
    int count = 0;
    for (HWND child = GetWindow(App().client, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ++count;
    return count;
}

int ViewCountOfKind(int kind) {
    int count = 0;
    if (!App().viewList) return 0;
    for (CView* view = App().viewList->head; view; view = view->next)
        if (view->kind == kind) ++count;
    return count;
}

void ForgetStoredLists() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Hoshikura"); }
void ShowMessageBoxes() {
    static CMessageBoxSink boxes;
    SetMessageSink(&boxes);
}

void RecordMessages() { SetMessageSink(&Sink()); }

std::vector<std::string> TakeMessages() {
    std::vector<std::string> shown;
    shown.swap(Sink().shown);
    return shown;
}

void AnswerNextMessageBox(int button, std::string* text) {
    CBoxAnswer& answer = Answer();
    answer.button = button;
    answer.text = text;
    answer.timer = SetTimer(nullptr, 0, 50, AnswerTimer);
}

void ChooseSex(int command) { SendMessageA(App().frame, WM_COMMAND, MAKEWPARAM(command, 0), 0); }

int MarkedSexItem() {
    int marked = 0;
    for (const int command : {kCmdSexBoys, kCmdSexGirls, kCmdSexBoth}) {
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_STATE;
        if (!GetMenuItemInfoA(GetMenu(App().frame), command, FALSE, &item)) return 0;
        if (!(item.fState & MFS_CHECKED)) continue;
        if (marked || !(item.fType & MFT_RADIOCHECK)) return 0;
        marked = command;
    }
    return marked;
}

std::string ArtefactPath(const char* fileName) {
    _mkdir("artefacts");
    return std::string("artefacts\\") + fileName;
}

}  // namespace test
}  // namespace hoshikura
