// The multiple-document frame "MyMDIApp": its window classes, creation,
// procedure and menu commands.
#pragma once

#include <windows.h>

#include "menu_ids.h"
#include "recent_list.h"

namespace hoshikura {

constexpr char kFrameClass[] = "MyMDIApp";

// Declares "MyMDIApp" and "MDIChild"; false when either fails.
bool RegisterWindowClasses(HINSTANCE instance);
// Creates the frame (and with it every application-wide object, the MDI
// client and the splash). Null when the creation failed.
HWND CreateFrameWindow(HINSTANCE instance);

LRESULT CALLBACK FrameWndProc(HWND frame, UINT message, WPARAM wparam, LPARAM lparam);
// Runs one menu command; false for ids the frame leaves to DefFrameProcW.
bool OnFrameCommand(HWND frame, int id);

// Frame size at 96 dpi for a screen height in 96-dpi pixels: 800 × 600
// above 600, else 640 × 480.
SIZE FrameSizeFor(int screenHeight);
// Frame size on a screen of `dpi` with that many pixels across and down:
// the 96-dpi size for its height, scaled, and no larger than the work area.
SIZE FrameSizeAt(int dpi, SIZE screen, SIZE work);

// The keys every MDI program knows (Ctrl+F4 closes the active view,
// Ctrl+F6 moves to the next one), then dialog navigation in the active view
// (Tab and Shift+Tab move between its controls, Space and Enter press the
// focused one, Escape asks whether to close it): true when `message` was
// handled here, dispatched included, so the message loop passes it on no
// further.
bool TranslateViewKeys(MSG* message);

// The program's message loop, until WM_QUIT; the quit message's code.
int RunMessageLoop();

void CALLBACK SplashTimerProc(HWND frame, UINT message, UINT_PTR id, DWORD tick);

// Menu command ids.
enum FrameCommand {
    kCmdQuit = IDM_QUIT,
    kCmdCloseWindow = IDM_CLOSE_WINDOW,
    kCmdCascade = IDM_CASCADE,
    kCmdTileHorizontal = IDM_TILE_HORIZONTAL,
    kCmdTileVertical = IDM_TILE_VERTICAL,
    kCmdVersion = IDM_VERSION,
    kCmdJudge = IDM_JUDGE,
    kCmdRanking = IDM_RANKING,
    kCmdAddCandidate = IDM_ADD_CANDIDATE,
    kCmdCompareCandidates = IDM_COMPARE_CANDIDATES,
    kCmdSurnameSearch = IDM_SURNAME_SEARCH,
    kCmdReadingSearch = IDM_READING_SEARCH,
    kCmdKanjiSearch = IDM_KANJI_SEARCH,
    kCmdGivenNameSearch = IDM_GIVEN_NAME_SEARCH,
    kCmdComposeSearch = IDM_COMPOSE_SEARCH,
    kCmdFeatures = IDM_FEATURES,
    kCmdHelp = IDM_HELP,
    kCmdSexBoys = IDM_SEX_BOYS,
    kCmdSexGirls = IDM_SEX_GIRLS,
    kCmdSexBoth = IDM_SEX_BOTH,
    kCmdTodayOnly = IDM_TODAY_ONLY,
    // The recent people's items, numbered by the list that fills the menu.
    kCmdFirstRecent = kFirstRecentCommand,
    kCmdLastRecent = kLastRecentCommand,
};
constexpr int kFirstMdiChildId = 1000;
constexpr int kMdiClientId = 3232;
constexpr UINT_PTR kSplashTimerId = 1;

}  // namespace hoshikura
