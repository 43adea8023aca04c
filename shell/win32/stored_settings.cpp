#include "stored_settings.h"

#include "app_state.h"
#include "message_sink.h"
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
    // Only the last save counts: one that went through makes good a failed one.
    const bool listsSaved = SaveSettings(hive, App().recent, App().rankLists);
    const bool choiceSaved = SaveSexChoice(hive, App().sexChoice) != 0;
    App().saveFailed = !(listsSaved && choiceSaved);
}

void ReportFailedSave() {
    if (!App().saveFailed) return;
    App().saveFailed = false;
    ShowWarning(kSaveFailedText);
}

}  // namespace hoshikura
