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
// Prints the step that failed and exits 1.
#include <windows.h>

#include <cstdio>
#include <string>

#include "menu_ids.h"
#include "program_process.h"

namespace {

using hoshikura::test::CProcess;

// One step; prints it when it fails.
bool Step(bool done, const char* what) {
    if (!done) std::printf("%s\n", what);
    return done;
}

bool EndedCleanly(const CProcess& process, const char* what) {
    return Step(process.Started() && process.WaitForEnd() && process.ExitCode() == 0, what);
}

// Waits until the dialog's button is enabled, then presses it.
bool PressWhenEnabled(HWND dialog, int id) {
    for (int tries = 0; dialog && tries < 200; ++tries, Sleep(100)) {
        HWND button = GetDlgItem(dialog, id);
        if (button && IsWindowEnabled(button) && IsWindowVisible(button)) {
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
            return true;
        }
    }
    return false;
}

// In its own folder, as the Start menu shortcut starts it.
bool StartProgram(const std::string& program) {
    const std::string folder = program.substr(0, program.rfind('\\'));
    const CProcess process("\"" + program + "\"", folder.c_str());
    HWND frame = process.WaitForWindow("MyMDIApp");
    if (!Step(frame != nullptr, "no visible frame window MyMDIApp")) return false;
    char title[128] = "";
    GetWindowTextA(frame, title, sizeof title);
    std::printf("frame window shown: \"%s\"\n", title);
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(IDM_QUIT, 0), 0);
    return EndedCleanly(process, "the program did not end cleanly");
}

bool UninstallAnsweringYes(const std::string& uninstaller, const std::string& installDir) {
    const CProcess process("\"" + uninstaller + "\" _?=" + installDir);
    HWND main = process.WaitForWindow("#32770");
    return Step(PressWhenEnabled(main, IDOK), "uninstaller: cannot confirm") &&
           Step(PressWhenEnabled(process.WaitForWindow("#32770", main), IDYES),
                "uninstaller: no question about the stored lists to answer Yes") &&
           Step(PressWhenEnabled(main, IDOK), "uninstaller: cannot close") &&
           EndedCleanly(process, "the uninstaller did not end cleanly");
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (argc == 3 && command == "start") return StartProgram(argv[2]) ? 0 : 1;
    if (argc == 4 && command == "install")
        return EndedCleanly(CProcess("\"" + std::string(argv[2]) + "\" /S /D=" + argv[3]), "the installer failed")
                   ? 0
                   : 1;
    if (argc == 4 && command == "uninstall-yes") return UninstallAnsweringYes(argv[2], argv[3]) ? 0 : 1;
    std::printf("usage: installer_probe start PROGRAM | install INSTALLER INSTALL_DIR |"
                " uninstall-yes UNINSTALLER INSTALL_DIR\n");
    return 2;
}
