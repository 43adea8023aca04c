#include "single_copy.h"

#include "frame_window.h"
#include "wide_text.h"

namespace hoshikura {

namespace {

// How long a starting copy may take to show its frame, and how often to look.
constexpr DWORD kFrameWaitMs = 10000;
constexpr DWORD kPollMs = 100;
constexpr int kUserNameSize = 257;  // the longest user name and its NUL

// "Local\" limits the name to this session; the user name to this user, whose
// registry hive holds the lists.
// The user name stays UTF-16: it may hold what CP932 cannot.
std::wstring MutexName() {
    wchar_t user[kUserNameSize] = L"";
    DWORD size = kUserNameSize;
    if (!GetUserNameW(user, &size)) user[0] = L'\0';
    return std::wstring(L"Local\\Hoshikura.SingleCopy.") + user;
}

bool Claimed(HANDLE mutex, DWORD waitMs) {
    const DWORD result = WaitForSingleObject(mutex, waitMs);
    // Abandoned: the copy that held it ended without letting go.
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

HWND VisibleFrame() {
    HWND frame = FindWindowW(Wide(kFrameClass).c_str(), nullptr);
    return frame && IsWindowVisible(frame) ? frame : nullptr;
}

}  // namespace

CSingleCopy::CSingleCopy() : mutex_(nullptr), owned_(false) {
    mutex_ = CreateMutexW(nullptr, FALSE, MutexName().c_str());
    // Without the mutex there is no telling another copy apart: run.
    if (!mutex_) {
        owned_ = true;
        return;
    }
    // The holder may still be creating its frame (not shown yet) or be
    // saving its lists on the way out: wait for one or the other.
    const DWORD start = GetTickCount();
    for (DWORD waitMs = 0; GetTickCount() - start < kFrameWaitMs; waitMs = kPollMs) {
        if (Claimed(mutex_, waitMs)) {
            owned_ = true;
            return;
        }
        if (HWND frame = VisibleFrame()) {
            BringFrameToFront(frame);
            return;
        }
    }
}

CSingleCopy::~CSingleCopy() {
    if (!mutex_) return;
    if (owned_) ReleaseMutex(mutex_);
    CloseHandle(mutex_);
}

void BringFrameToFront(HWND frame) {
    if (IsIconic(frame)) ShowWindow(frame, SW_RESTORE);
    SetForegroundWindow(frame);
}

}  // namespace hoshikura
