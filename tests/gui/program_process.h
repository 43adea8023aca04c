// A program started as a process of its own: the program itself for tests
// that need two real copies or its real exit, or an installer and what it
// installed.
#pragma once

#include <windows.h>

#include <string>

namespace hoshikura {
namespace test {

constexpr DWORD kProcessTimeoutMs = 30000;  // a wine process starts in seconds

// Dispatches every queued message of this thread.
void PumpMessages();

// A visible top-level window of the process with this class other than
// `other`, or null.
HWND FindProcessWindow(DWORD processId, const char* className, HWND other = nullptr);

// One started process; ended by force if a test leaves it running.
class CProcess {
public:
    // The command line as CreateProcess takes it, run in `folder` (null:
    // this one's).
    explicit CProcess(std::string commandLine, const char* folder = nullptr);
    ~CProcess();
    CProcess(const CProcess&) = delete;
    CProcess& operator=(const CProcess&) = delete;

    bool Started() const { return started_; }
    bool Ended() const;
    DWORD ExitCode() const;
    // Waits for the end while this thread's windows go on taking messages.
    bool WaitForEnd() const;
    // A visible top-level window of the process with this class other than
    // `other`; null on time-out or when the process ends first.
    HWND WaitForWindow(const char* className, HWND other = nullptr) const;

private:
    PROCESS_INFORMATION info_ = {};
    bool started_ = false;
};

}  // namespace test
}  // namespace hoshikura
