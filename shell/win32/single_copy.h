// One copy of the program per user and session. Each copy loads the stored
// lists at start and writes them back at exit, so two copies at once would
// lose each other's judgements: a second start brings the running copy's
// frame to the front instead and ends.
#pragma once

#include <windows.h>

namespace hoshikura {

class CSingleCopy {
public:
    // Claims the program for this process. When another copy holds it, waits
    // until that copy shows its frame (then brings it to the front) or ends
    // (then claims it); RunsHere() tells which.
    CSingleCopy();
    // Lets the next copy start; by then this one has saved its lists.
    ~CSingleCopy();
    CSingleCopy(const CSingleCopy&) = delete;
    CSingleCopy& operator=(const CSingleCopy&) = delete;

    bool RunsHere() const { return owned_; }

private:
    HANDLE mutex_;
    bool owned_;
};

// Shows a frame above the other windows, restored if it is minimised.
void BringFrameToFront(HWND frame);

}  // namespace hoshikura
