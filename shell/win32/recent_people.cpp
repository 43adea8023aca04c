#include "recent_people.h"

#include "app_state.h"
#include "dispatch.h"
#include "recent_menu_win32.h"

namespace hoshikura {

void RebuildRecentMenu() {
    if (App().frame) RebuildRecentMenu(App().frame, App().recent);
}

void RememberPerson(const char* surname, const char* givenName) {
    if (App().recent.RememberPerson(surname, givenName)) RebuildRecentMenu();
}

}  // namespace hoshikura
