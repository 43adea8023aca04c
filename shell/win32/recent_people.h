// The recent-people list of the running program and its submenu.
#pragma once

namespace hoshikura {

// Builds the submenu from the application's recent list.
void RebuildRecentMenu();

}  // namespace hoshikura
