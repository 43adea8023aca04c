// The radio items of the menu "名前検索" that choose whose sample given names
// the searches list: "男の子の名前", "女の子の名前" or "男女とも".
#pragma once

#include <windows.h>

namespace hoshikura {

// Puts the radio mark on the item of the application's choice.
void ShowSexChoice(HWND frame);
// For the command of one of the three items: makes its choice the
// application's and marks it. Other commands change nothing.
void ChooseSexByCommand(HWND frame, int commandId);

}  // namespace hoshikura
