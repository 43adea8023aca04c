// The application-wide objects, each held through one pointer that is null
// while absent, and the handles and splash state of the running program.
#pragma once

#include <windows.h>

#include <cstdint>

#include "candidate_list.h"
#include "rank_list.h"
#include "recent_list.h"

namespace hoshikura {

class CViewList;
class CFortuneTable;
class CSampleName;

struct CAppState {
    HINSTANCE instance = nullptr;
    HWND frame = nullptr;    // set once the frame's creation has returned
    HWND client = nullptr;   // the MDI client
    CViewList* viewList = nullptr;
    CFortuneTable* fortunes = nullptr;
    CSampleName* samples = nullptr;
    HICON appIcon = nullptr;
    DWORD helpCookie = 0;

    CRankLists rankLists;
    CRecentList recent{};
    CCandidateList candidates{};
    // Which sample given names the searches list (sex_filter.h).
    int32_t sexChoice = 0;
    int32_t todayOnly = 0;  // 1: the searches list names of today only
    // Set when this run has read the stored lists: only then may the exit
    // write them back, or a failed start would wipe them.
    bool settingsLoaded = false;
    // Set when the last save of the stored lists failed; the user is told
    // once the message loop has ended.
    bool saveFailed = false;

    // The start-up splash still waits for its timer.
    bool splashPending = false;
};

CAppState& App();

}  // namespace hoshikura
