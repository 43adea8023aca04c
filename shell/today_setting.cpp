#include "today_setting.h"

#include "generation_filter.h"
#include "registry_store.h"

namespace hoshikura {

namespace {

const char kSettingsPath[] = "Software\\Hoshikura\\Settings";
const char kTodayOnlyValue[] = "TodayOnly";

}  // namespace

int32_t LoadTodayOnly(CRegistryHive& hive) {
    CRegistryKey key(hive);
    int32_t stored = 0;
    if (key.Open(kSettingsPath, CRegistryKey::kReadOnly)) key.GetDword(kTodayOnlyValue, stored);
    return TodayOnlyFromStored(stored);
}

int32_t SaveTodayOnly(CRegistryHive& hive, int32_t todayOnly) {
    CRegistryKey key(hive);
    if (!key.Open(kSettingsPath, CRegistryKey::kReadWrite)) return 0;
    return key.SetDword(kTodayOnlyValue, TodayOnlyFromStored(todayOnly)) ? 1 : 0;
}

}  // namespace hoshikura
