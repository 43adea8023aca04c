#include "program_process.h"

namespace hoshikura {
namespace test {

namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND other;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    char className[32] = "";
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || window == search->other || !IsWindowVisible(window) ||
        !GetClassNameA(window, className, sizeof className) || lstrcmpA(className, search->className) != 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const char* className, HWND other) {
    WindowSearch search = {processId, className, other, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

CProcess::CProcess(std::string commandLine, const char* folder) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    started_ = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder, &startup,
                              &info_) != 0;
}

CProcess::~CProcess() {
    if (!started_) return;
    if (!Ended()) TerminateProcess(info_.hProcess, 99);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool CProcess::Ended() const { return !started_ || WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; }

DWORD CProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

bool CProcess::WaitForEnd() const {
    // Bringing a frame of this process to the front sends it messages.
    for (const DWORD start = GetTickCount(); started_ && GetTickCount() - start < kProcessTimeoutMs;) {
        if (MsgWaitForMultipleObjects(1, &info_.hProcess, FALSE, 100, QS_ALLINPUT) == WAIT_OBJECT_0) return true;
        PumpMessages();
    }
    return Ended();
}

HWND CProcess::WaitForWindow(const char* className, HWND other) const {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < kProcessTimeoutMs && !Ended(); Sleep(100)) {
        if (HWND found = FindProcessWindow(info_.dwProcessId, className, other)) return found;
    }
    return nullptr;
}

}  // namespace test
}  // namespace hoshikura
