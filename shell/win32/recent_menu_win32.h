// The recent-people submenu "最近占った人(&B)" at position 1 of the frame
// menu's first popup, and reading a chosen entry back.
#pragma once

#include <windows.h>

#include "recent_list.h"

namespace hoshikura {

// Replaces the item at position 1 of the first popup of the frame's menu
// (the resource's placeholder, or the submenu of the previous rebuild, which
// is destroyed with it) by a new submenu with one item per entry: newest
// first, texts and ids as CRecentList gives them. An empty list gives an
// empty submenu. Does nothing when the frame has no such popup.
void RebuildRecentMenu(HWND frame, const CRecentList& list);
// The same on a menu bar that is not (yet) the frame's.
void RebuildRecentMenuBar(HMENU menuBar, const CRecentList& list);

// For a command id 40204..40219: reads the entry's text from the first
// popup of the frame's menu and copies the person part (after the entry's
// three-byte prefix, see RecentItemPerson) into out. Returns 1 when the
// menu holds an item with this id, otherwise 0 with out empty.
int32_t ReadRecentPerson(HWND frame, UINT commandId, char* out, int capacity);

}  // namespace hoshikura
