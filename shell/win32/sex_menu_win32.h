// The items of the menu "名前検索" that choose whose sample given names the
// searches list: the radio items "男の子の名前", "女の子の名前" or "男女とも",
// and the check item "今の名前だけ".
#pragma once

#include <windows.h>

namespace hoshikura {

// Puts the radio mark on the item of the application's choice.
void ShowSexChoice(HWND frame);
// For the command of one of the three items: makes its choice the
// application's and marks it. Other commands change nothing.
void ChooseSexByCommand(HWND frame, int commandId);
// Puts the check mark on "今の名前だけ" when the application lists names of
// today only.
void ShowTodayOnly(HWND frame);
// Turns listing names of today only on or off, and marks it.
void ToggleTodayOnly(HWND frame);

}  // namespace hoshikura
