#include "recent_menu_win32.h"

#include "sjis_text.h"
#include "wide_text.h"

namespace hoshikura {

namespace {

const char kRecentMenuTitle[] = "最近占った人(&B)";
// The one greyed item of an empty submenu.
const char kNoRecentItem[] = "(なし)";
constexpr UINT kRecentMenuPosition = 1;
constexpr int kMenuTextSize = 80;  // the frame reads entries back into 80 characters

HMENU BuildSubmenu(const CRecentList& list) {
    HMENU submenu = CreatePopupMenu();
    if (!submenu) return nullptr;
    for (int32_t k = 0; k < list.Entries(); ++k) {
        char text[kRecentItemTextSize];
        list.ItemText(k, text, sizeof text);
        AppendMenuW(submenu, MF_STRING, static_cast<UINT_PTR>(list.CommandId(k)), Wide(text).c_str());
    }
    if (list.Entries() == 0) AppendMenuW(submenu, MF_STRING | MF_GRAYED, 0, Wide(kNoRecentItem).c_str());
    return submenu;
}

}  // namespace

void RebuildRecentMenuBar(HMENU menuBar, const CRecentList& list) {
    HMENU operations = menuBar ? GetSubMenu(menuBar, 0) : nullptr;
    if (!operations) return;
    HMENU submenu = BuildSubmenu(list);
    if (!submenu) return;
    DeleteMenu(operations, kRecentMenuPosition, MF_BYPOSITION);
    if (!InsertMenuW(operations, kRecentMenuPosition, MF_BYPOSITION | MF_POPUP | MF_STRING,
                     reinterpret_cast<UINT_PTR>(submenu), Wide(kRecentMenuTitle).c_str()))
        DestroyMenu(submenu);  // not owned by any menu then
}

void RebuildRecentMenu(HWND frame, const CRecentList& list) {
    RebuildRecentMenuBar(GetMenu(frame), list);
}

int32_t ReadRecentPerson(HWND frame, UINT commandId, char* out, int capacity) {
    if (capacity <= 0) return 0;
    out[0] = '\0';
    if (commandId < static_cast<UINT>(kFirstRecentCommand) ||
        commandId > static_cast<UINT>(kLastRecentCommand))
        return 0;
    HMENU menuBar = GetMenu(frame);
    HMENU operations = menuBar ? GetSubMenu(menuBar, 0) : nullptr;
    if (!operations) return 0;
    // By command the search reaches into the submenu.
    wchar_t text[kMenuTextSize] = {};
    const int length = GetMenuStringW(operations, commandId, text, kMenuTextSize, MF_BYCOMMAND);
    if (length <= 0) return 0;
    const std::string entry = Narrow(std::wstring(text, static_cast<std::size_t>(length)));
    CopyText(out, static_cast<std::size_t>(capacity), RecentItemPerson(entry.c_str()));
    return 1;
}

}  // namespace hoshikura
