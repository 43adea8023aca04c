#include "stored_settings.h"

#include "app_state.h"
#include "message_sink.h"
#include "registry_store.h"
#include "win32_registry_key.h"

namespace hoshikura {

void LoadStoredSettings() {
    CWin32RegistryHive hive;
    LoadSettings(hive, App().recent, App().rankLists);
}

void SaveStoredSettings() {
    CWin32RegistryHive hive;
    if (!SaveSettings(hive, App().recent, App().rankLists)) App().saveFailed = true;
}

void ReportFailedSave() {
    if (!App().saveFailed) return;
    App().saveFailed = false;
    ShowMessage("%s", kSaveFailedText);
}

}  // namespace hoshikura
