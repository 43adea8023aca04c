#include "stored_settings.h"

#include "app_state.h"
#include "message_sink.h"
#include "registry_store.h"
#include "name_choices.h"
#include "win32_registry_key.h"

namespace hoshikura {

void LoadStoredSettings() {
    CWin32RegistryHive hive;
    LoadSettings(hive, App().recent, App().rankLists, App().candidates);
    const NameChoices choices = LoadNameChoices(hive);
    App().sexChoice = choices.sex;
    App().todayOnly = choices.todayOnly;
}

void SaveStoredSettings() {
    CWin32RegistryHive hive;
    // Only the last save counts: one that went through makes good a failed one.
    const bool listsSaved = SaveSettings(hive, App().recent, App().rankLists, App().candidates);
    const bool choicesSaved = SaveNameChoices(hive, {App().sexChoice, App().todayOnly});
    App().saveFailed = !(listsSaved && choicesSaved);
}

void ReportFailedSave() {
    if (!App().saveFailed) return;
    App().saveFailed = false;
    ShowWarning(kSaveFailedText);
}

}  // namespace hoshikura
