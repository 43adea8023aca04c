#include "sex_setting.h"

#include "registry_store.h"
#include "sex_filter.h"

namespace hoshikura {

namespace {

const char kSettingsPath[] = "Software\\Hoshikura\\Settings";
const char kSexValue[] = "Sex";

}  // namespace

int32_t LoadSexChoice(CRegistryHive& hive) {
    CRegistryKey key(hive);
    int32_t stored = kBothSexes;
    if (key.Open(kSettingsPath, CRegistryKey::kReadOnly)) key.GetDword(kSexValue, stored);
    return SexChoiceFromStored(stored);
}

int32_t SaveSexChoice(CRegistryHive& hive, int32_t choice) {
    CRegistryKey key(hive);
    if (!key.Open(kSettingsPath, CRegistryKey::kReadWrite)) return 0;
    return key.SetDword(kSexValue, SexChoiceFromStored(choice)) ? 1 : 0;
}

}  // namespace hoshikura
