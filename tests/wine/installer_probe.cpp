// installer_probe: the Windows half of the installer test, run under wine.
//
//   installer_probe start PROGRAM
//     starts the installed program in its own folder, waits for its visible
//     frame window "MyMDIApp", quits it through the menu command and waits
//     for the process to end;
//   installer_probe install INSTALLER INSTALL_DIR
//     runs the installer silently into INSTALL_DIR and waits for it; the
//     folder follows /D= unquoted, as the installer expects even when it
//     holds blanks (wine would quote such an argument given from outside);
//   installer_probe uninstall-yes UNINSTALLER INSTALL_DIR
//     runs the uninstaller in place (_?=INSTALL_DIR, so that this process
//     can follow its windows), confirms, answers Yes to the question about
//     the stored lists and closes it when done.
//
// Prints what it waited for when a step times out and exits 1.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "menu_ids.h"

namespace {

constexpr DWORD kStepTimeoutMs = 20000;
constexpr DWORD kPollMs = 100;
constexpr int kPathBytes = MAX_PATH * 2;

struct WindowQuery {
    DWORD processId;
    const char* className;
    bool wantMessageBox;  // a dialog with a Yes button
    HWND found;
};

bool IsMessageBox(HWND window) { return GetDlgItem(window, IDYES) != nullptr; }

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    WindowQuery& query = *reinterpret_cast<WindowQuery*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[64];
    if (owner != query.processId || !IsWindowVisible(window)) return TRUE;
    if (!GetClassNameA(window, name, sizeof name) || std::strcmp(name, query.className) != 0)
        return TRUE;
    if (IsMessageBox(window) != query.wantMessageBox) return TRUE;
    query.found = window;
    return FALSE;
}

// Waits for a visible top-level window of the process; null on time-out
// or when the process ends first.
HWND WaitForWindow(HANDLE process, DWORD processId, const char* className, bool messageBox) {
    for (DWORD waited = 0; waited < kStepTimeoutMs; waited += kPollMs) {
        WindowQuery query = {processId, className, messageBox, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
        if (query.found) return query.found;
        if (WaitForSingleObject(process, kPollMs) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
}

// Waits until the dialog's button is enabled, then presses it.
bool PressWhenEnabled(HWND dialog, int id) {
    for (DWORD waited = 0; waited < kStepTimeoutMs; waited += kPollMs) {
        HWND button = GetDlgItem(dialog, id);
        if (button && IsWindowEnabled(button) && IsWindowVisible(button)) {
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
            return true;
        }
        Sleep(kPollMs);
    }
    return false;
}

bool Launch(char* commandLine, const char* folder, PROCESS_INFORMATION& info) {
    STARTUPINFOA startup;
    std::memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    if (CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, folder,
                       &startup, &info))
        return true;
    std::printf("cannot start %s (error %lu)\n", commandLine, GetLastError());
    return false;
}

// Waits for the process to end; true when it ended with exit code 0.
bool EndedCleanly(const PROCESS_INFORMATION& info, const char* what) {
    DWORD code = 1;
    bool ended = WaitForSingleObject(info.hProcess, kStepTimeoutMs) == WAIT_OBJECT_0;
    if (ended) GetExitCodeProcess(info.hProcess, &code);
    if (!ended) std::printf("%s did not end\n", what);
    else if (code != 0) std::printf("%s ended with code %lu\n", what, code);
    return ended && code == 0;
}

void Close(PROCESS_INFORMATION& info) {
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
}

// The folder part of a path, for the program's working directory: it opens
// its help file by a relative name, as the Start menu shortcut arranges.
void FolderOf(const char* path, char* folder, int size) {
    std::snprintf(folder, size, "%s", path);
    char* slash = std::strrchr(folder, '\\');
    if (slash) *slash = '\0';
}

int StartProgram(const char* program) {
    char commandLine[kPathBytes];
    char folder[kPathBytes];
    std::snprintf(commandLine, sizeof commandLine, "\"%s\"", program);
    FolderOf(program, folder, sizeof folder);
    PROCESS_INFORMATION info;
    if (!Launch(commandLine, folder, info)) return 1;
    HWND frame = WaitForWindow(info.hProcess, info.dwProcessId, "MyMDIApp", false);
    if (!frame) {
        std::printf("no visible frame window MyMDIApp\n");
        TerminateProcess(info.hProcess, 1);
        Close(info);
        return 1;
    }
    char title[128] = "";
    GetWindowTextA(frame, title, sizeof title);
    std::printf("frame window shown: \"%s\"\n", title);
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(IDM_QUIT, 0), 0);
    bool ok = EndedCleanly(info, "the program");
    Close(info);
    return ok ? 0 : 1;
}

int InstallSilently(const char* installer, const char* installDir) {
    char commandLine[kPathBytes];
    std::snprintf(commandLine, sizeof commandLine, "\"%s\" /S /D=%s", installer, installDir);
    PROCESS_INFORMATION info;
    if (!Launch(commandLine, nullptr, info)) return 1;
    bool ok = EndedCleanly(info, "the installer");
    Close(info);
    return ok ? 0 : 1;
}

// One step of the uninstaller's dialogue; prints the step when it fails.
bool Step(bool done, const char* what) {
    if (!done) std::printf("uninstaller: %s\n", what);
    return done;
}

int UninstallAnsweringYes(const char* uninstaller, const char* installDir) {
    char commandLine[kPathBytes];
    std::snprintf(commandLine, sizeof commandLine, "\"%s\" _?=%s", uninstaller, installDir);
    PROCESS_INFORMATION info;
    if (!Launch(commandLine, nullptr, info)) return 1;
    HANDLE process = info.hProcess;
    DWORD id = info.dwProcessId;
    HWND main = WaitForWindow(process, id, "#32770", false);
    bool ok = Step(main != nullptr, "no window") &&
              Step(PressWhenEnabled(main, IDOK), "cannot confirm");
    HWND question = ok ? WaitForWindow(process, id, "#32770", true) : nullptr;
    ok = ok && Step(question != nullptr, "no question about the stored lists") &&
         Step(PressWhenEnabled(question, IDYES), "cannot answer Yes") &&
         Step(PressWhenEnabled(main, IDOK), "cannot close") && EndedCleanly(info, "the uninstaller");
    if (!ok) TerminateProcess(process, 1);
    Close(info);
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "start") == 0) return StartProgram(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "install") == 0)
        return InstallSilently(argv[2], argv[3]);
    if (argc == 4 && std::strcmp(argv[1], "uninstall-yes") == 0)
        return UninstallAnsweringYes(argv[2], argv[3]);
    std::printf("usage: installer_probe start PROGRAM | install INSTALLER INSTALL_DIR |"
                " uninstall-yes UNINSTALLER INSTALL_DIR\n");
    return 2;
}
