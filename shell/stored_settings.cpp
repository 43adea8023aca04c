#include "stored_settings.h"

#include "app_state.h"
#include "registry_store.h"
#include "sex_setting.h"
#include "win32_registry_key.h"

namespace hoshikura {

void LoadStoredSettings() {
    CWin32RegistryHive hive;
    LoadSettings(hive, App().recent, App().rankLists);
    App().sexChoice = LoadSexChoice(hive);
}

void SaveStoredSettings() {
    CWin32RegistryHive hive;
    SaveSettings(hive, App().recent, App().rankLists);
    SaveSexChoice(hive, App().sexChoice);
}

}  // namespace hoshikura
