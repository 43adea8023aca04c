#include "sex_menu_win32.h"

#include "app_state.h"
#include "frame_window.h"
#include "sex_filter.h"

namespace hoshikura {

namespace {

// The items in their menu order, first and last of the radio group.
struct SexItem {
    int command;
    int32_t choice;
};
constexpr SexItem kSexItems[] = {
    {kCmdSexBoys, kBoysOnly},
    {kCmdSexGirls, kGirlsOnly},
    {kCmdSexBoth, kBothSexes},
};

// The popup of the menu bar that holds the command, or null.
HMENU PopupHolding(HMENU bar, UINT command) {
    const int popups = GetMenuItemCount(bar);
    for (int i = 0; i < popups; ++i) {
        HMENU popup = GetSubMenu(bar, i);
        const int items = popup ? GetMenuItemCount(popup) : 0;
        for (int j = 0; j < items; ++j)
            if (GetMenuItemID(popup, j) == command) return popup;
    }
    return nullptr;
}

}  // namespace

void ShowSexChoice(HWND frame) {
    const UINT first = kSexItems[0].command;
    const UINT last = kSexItems[sizeof kSexItems / sizeof kSexItems[0] - 1].command;
    HMENU popup = PopupHolding(GetMenu(frame), first);
    if (!popup) return;
    UINT chosen = last;
    for (const SexItem& item : kSexItems)
        if (item.choice == App().sexChoice) chosen = item.command;
    CheckMenuRadioItem(popup, first, last, chosen, MF_BYCOMMAND);
}

void ShowTodayOnly(HWND frame) {
    CheckMenuItem(GetMenu(frame), kCmdTodayOnly,
                  MF_BYCOMMAND | (App().todayOnly ? MF_CHECKED : MF_UNCHECKED));
}

void ToggleTodayOnly(HWND frame) {
    App().todayOnly = App().todayOnly ? 0 : 1;
    ShowTodayOnly(frame);
}

void ChooseSexByCommand(HWND frame, int commandId) {
    for (const SexItem& item : kSexItems) {
        if (item.command != commandId) continue;
        App().sexChoice = item.choice;
        ShowSexChoice(frame);
        return;
    }
}

}  // namespace hoshikura
