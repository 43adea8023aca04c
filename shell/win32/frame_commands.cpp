// The frame's menu commands: dialogs, view requests, arranging, help, quit
// and the recent-people entries.
#include <string>
#include <vector>

#include "app_state.h"
#include "dispatch.h"
#include "frame_window.h"
#include "help_loader.h"
#include "help_topic.h"
#include "input_dialogs.h"
#include "recent_menu_win32.h"
#include "sex_menu_win32.h"
#include "tile_layout.h"
#include "view.h"
#include "view_list.h"
#include "wide_text.h"

namespace hoshikura {

namespace {

// The menu commands that run an input dialog.
struct DialogCommand {
    int command;
    InputDialogKind dialog;
};
constexpr DialogCommand kDialogCommands[] = {
    {kCmdJudge, InputDialogKind::kFullName},
    {kCmdSurnameSearch, InputDialogKind::kSurname},
    {kCmdReadingSearch, InputDialogKind::kReading},
    {kCmdKanjiSearch, InputDialogKind::kKanji},
    {kCmdGivenNameSearch, InputDialogKind::kGivenName},
    {kCmdComposeSearch, InputDialogKind::kCompose},
};

bool RunDialogOfCommand(HWND frame, int id) {
    for (const DialogCommand& c : kDialogCommands)
        if (c.command == id) {
            RunInputDialog(frame, c.dialog);
            return true;
        }
    return false;
}

void CloseActiveView() {
    HWND client = App().client;
    auto active = reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
    if (active) SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(active), 0);
}

// The help file beside the program, wherever the program was started from.
// The path stays UTF-16: a folder's name may hold what CP932 cannot (a user
// folder "Hélène", say).
void ShowHelp(HWND frame) {
    wchar_t program[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    std::wstring topic(program, length);
    const std::size_t folder = topic.rfind(L'\\');
    topic.erase(folder == std::wstring::npos ? 0 : folder + 1);
    topic += Wide(kHelpFileName) + Wide(kHelpTopic);
    CallHtmlHelp(frame, topic.c_str(), HH_DISPLAY_TOC, 0);
}

void JudgeRecentEntry(HWND frame, int id) {
    char person[kRecentItemTextSize];
    if (ReadRecentPerson(frame, static_cast<UINT>(id), person, sizeof person))
        JudgeFullName(person);
}

// The views keep their sizes (they cannot be resized): the tile commands
// place them side by side or one below the other, wrapping inside the
// window area; the ones left over cascade from the top left.
void TileViewWindows(HWND client, TileOrder order) {
    std::vector<HWND> views;
    std::vector<TileBox> sizes;
    for (HWND view = GetWindow(client, GW_CHILD); view; view = GetWindow(view, GW_HWNDNEXT)) {
        if (!IsWindowVisible(view) || IsIconic(view) || GetWindow(view, GW_OWNER)) continue;
        RECT area;
        GetWindowRect(view, &area);
        views.push_back(view);
        sizes.push_back({0, 0, area.right - area.left, area.bottom - area.top});
    }
    RECT area;
    GetClientRect(client, &area);
    const std::vector<TilePlace> places =
        TileViews(sizes, area.right, area.bottom, order, MetricForDpi(SM_CYCAPTION, WindowDpi(client)));
    for (std::size_t i = 0; i < views.size(); ++i)
        SetWindowPos(views[i], nullptr, places[i].box.x, places[i].box.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

bool OnFrameCommand(HWND frame, int id) {
    HWND client = App().client;
    if (RunDialogOfCommand(frame, id)) return true;
    switch (id) {
    case kCmdRanking:
        OpenSingleView(kRankView);
        return true;
    case kCmdVersion:
        OpenSingleView(kVersionView);
        return true;
    case kCmdFeatures:
        OpenSingleView(kFeaturesView);
        return true;
    case kCmdAddCandidate:
        AddActiveJudgementAsCandidate();
        return true;
    case kCmdCompareCandidates:
        OpenSingleView(kComparisonView);
        return true;
    case kCmdHelp:
        ShowHelp(frame);
        return true;
    case kCmdCloseWindow:
        CloseActiveView();
        return true;
    // The MDI message cascades on every Windows version alike.
    case kCmdCascade:
        SendMessageA(client, WM_MDICASCADE, MDITILE_SKIPDISABLED, 0);
        return true;
    case kCmdTileHorizontal:
        TileViewWindows(client, TileOrder::kTopToBottom);
        return true;
    case kCmdTileVertical:
        TileViewWindows(client, TileOrder::kLeftToRight);
        return true;
    case kCmdQuit:
        DestroyWindow(frame);
        return true;
    case kCmdSexBoys:
    case kCmdSexGirls:
    case kCmdSexBoth:
        ChooseSexByCommand(frame, id);
        return true;
    case kCmdTodayOnly:
        ToggleTodayOnly(frame);
        return true;
    default:
        break;
    }
    if (id >= kCmdFirstRecent && id <= kCmdLastRecent) {
        JudgeRecentEntry(frame, id);
        return false;  // the command also goes to the default frame procedure
    }
    return false;
}

}  // namespace hoshikura
