#include "program_process.h"

#include <cstring>

#include "frame_window.h"
#include "gui_fixture.h"

namespace hoshikura {
namespace test {

namespace {

// One folder above the test program.
std::string ProgramPath() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    char* slash = std::strrchr(path, '\\');
    if (slash) *slash = '\0';
    return std::string(path) + "\\..\\Hoshikura.exe";
}

struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    char className[32] = "";
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window) ||
        !GetClassNameA(window, className, sizeof className) || lstrcmpA(className, search->className) != 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

CProgram::CProgram() {
    std::string command = "\"" + ProgramPath() + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    started_ = CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &info_) != 0;
}

CProgram::~CProgram() {
    if (!started_) return;
    if (!Ended()) TerminateProcess(info_.hProcess, 99);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool CProgram::Ended() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; }

DWORD CProgram::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

bool CProgram::WaitForEnd(DWORD timeoutMs) const {
    // Bringing a frame of this process to the front sends it messages.
    for (const DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs;) {
        if (MsgWaitForMultipleObjects(1, &info_.hProcess, FALSE, 100, QS_ALLINPUT) == WAIT_OBJECT_0) return true;
        PumpMessages();
    }
    return Ended();
}

HWND CProgram::WaitForWindow(const char* className, DWORD timeoutMs) const {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs && !Ended(); Sleep(100)) {
        WindowSearch search = {info_.dwProcessId, className, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
    }
    return nullptr;
}

HWND CProgram::WaitForFrame() const { return WaitForWindow(kFrameClass); }

void CProgram::Quit(HWND frame) const { PostMessageA(frame, WM_COMMAND, MAKEWPARAM(kCmdQuit, 0), 0); }

}  // namespace test
}  // namespace hoshikura
