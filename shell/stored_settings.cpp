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
    // Only the last save counts: one that went through makes good a failed one.
    App().saveFailed = !SaveSettings(hive, App().recent, App().rankLists);
}

void ReportFailedSave() {
    if (!App().saveFailed) return;
    App().saveFailed = false;
    ShowMessage("%s", kSaveFailedText);
}

}  // namespace hoshikura
