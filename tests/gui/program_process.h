// The program itself (Hoshikura.exe of the same build) started as a process
// of its own, for tests that need two real copies or its real exit.
#pragma once

#include <windows.h>

#include <string>

namespace hoshikura {
namespace test {

constexpr DWORD kProcessTimeoutMs = 30000;  // a wine process starts in seconds

// One started copy; ended by force if a test leaves it running.
class CProgram {
public:
    CProgram();
    ~CProgram();
    CProgram(const CProgram&) = delete;
    CProgram& operator=(const CProgram&) = delete;

    bool Started() const { return started_; }
    bool Ended() const;
    DWORD ExitCode() const;
    // Waits for the end while this thread's windows go on taking messages.
    bool WaitForEnd(DWORD timeoutMs = kProcessTimeoutMs) const;
    // A visible top-level window of the process with this class, or null.
    HWND WaitForWindow(const char* className, DWORD timeoutMs = kProcessTimeoutMs) const;
    HWND WaitForFrame() const;
    // Quits through the menu, as the user would, without waiting.
    void Quit(HWND frame) const;

private:
    PROCESS_INFORMATION info_ = {};
    bool started_ = false;
};

}  // namespace test
}  // namespace hoshikura
