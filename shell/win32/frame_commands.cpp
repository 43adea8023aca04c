// The frame's menu commands: dialogs, view requests, arranging, help, quit
// and the recent-people entries.
#include "app_state.h"
#include "dispatch.h"
#include "frame_window.h"
#include "help_loader.h"
#include "help_topic.h"
#include "input_dialogs.h"
#include "recent_menu_win32.h"
#include "sex_menu_win32.h"
#include "view.h"
#include "view_list.h"

namespace hoshikura {

namespace {

void RunDialog(HWND frame, const char* templateName, DLGPROC procedure) {
    DialogBoxParamA(App().instance, templateName, frame, procedure, 0);
}

// Opens a single-instance view unless its flag says one is open. The flag is
// set first, and cleared again when nothing could be opened.
void OpenSingle(int32_t CViewList::*flag, int kind, const char* first, const char* second) {
    CViewList* list = App().viewList;
    if (!list || list->*flag) return;
    list->*flag = 1;
    if (!OpenView(first, second, kind)) list->*flag = 0;
}

void CloseActiveView() {
    HWND client = App().client;
    auto active = reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
    if (active) SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(active), 0);
}

// The help file beside the program, wherever the program was started from.
void ShowHelp(HWND frame) {
    char program[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, program, sizeof program);
    if (length == 0 || length >= sizeof program) program[0] = '\0';
    char topic[MAX_PATH + sizeof kHelpFileName + sizeof kHelpTopic];
    if (HelpTopicBeside(program, topic, sizeof topic))
        CallHtmlHelp(frame, topic, HH_DISPLAY_TOC, 0);
}

void JudgeRecentEntry(HWND frame, int id) {
    char person[kRecentItemTextSize];
    if (ReadRecentPerson(frame, static_cast<UINT>(id), person, sizeof person))
        JudgeFullName(person);
}

}  // namespace

bool OnFrameCommand(HWND frame, int id) {
    HWND client = App().client;
    switch (id) {
    case kCmdJudge:
        RunDialog(frame, "DLGBOX1", FullNameDlgProc);
        return true;
    case kCmdSurnameSearch:
        RunDialog(frame, "DLGBOX2", SurnameDlgProc);
        return true;
    case kCmdReadingSearch:
        RunDialog(frame, "DLGBOX3", ReadingDlgProc);
        return true;
    case kCmdKanjiSearch:
        RunDialog(frame, "DLGBOX4", KanjiDlgProc);
        return true;
    case kCmdGivenNameSearch:
        RunDialog(frame, "DLGBOX5", GivenNameDlgProc);
        return true;
    case kCmdComposeSearch:
        RunDialog(frame, "DLGBOX6", ComposeDlgProc);
        return true;
    case kCmdRanking:
        OpenSingle(&CViewList::rankingOpen, kRankView, "良い", "悪い");
        return true;
    case kCmdVersion:
        OpenSingle(&CViewList::versionOpen, kVersionView, "ばー", "じょん");
        return true;
    case kCmdFeatures:
        OpenSingle(&CViewList::featuresOpen, kFeaturesView, "説明", "特徴");
        return true;
    case kCmdHelp:
        ShowHelp(frame);
        return true;
    case kCmdCloseWindow:
        CloseActiveView();
        return true;
    // The MDI messages arrange on every Windows version alike.
    case kCmdCascade:
        SendMessageA(client, WM_MDICASCADE, MDITILE_SKIPDISABLED, 0);
        return true;
    case kCmdTileHorizontal:
        SendMessageA(client, WM_MDITILE, MDITILE_HORIZONTAL, 0);
        return true;
    case kCmdTileVertical:
        SendMessageA(client, WM_MDITILE, MDITILE_VERTICAL, 0);
        return true;
    case kCmdQuit:
        DestroyWindow(frame);
        return true;
    case kCmdSexBoys:
    case kCmdSexGirls:
    case kCmdSexBoth:
        ChooseSexByCommand(frame, id);
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
