#include "name_choices.h"

#include "generation_filter.h"
#include "registry_store.h"

namespace hoshikura {

namespace {

const char kSettingsPath[] = "Software\\Hoshikura\\Settings";
const char kSexValue[] = "Sex";
const char kTodayOnlyValue[] = "TodayOnly";

}  // namespace

NameChoices LoadNameChoices(CRegistryHive& hive) {
    CRegistryKey key(hive);
    int32_t sex = kBothSexes;
    int32_t todayOnly = 0;
    if (key.Open(kSettingsPath, CRegistryKey::kReadOnly)) {
        key.GetDword(kSexValue, sex);
        key.GetDword(kTodayOnlyValue, todayOnly);
    }
    return {SexChoiceFromStored(sex), TodayOnlyFromStored(todayOnly)};
}

bool SaveNameChoices(CRegistryHive& hive, const NameChoices& choices) {
    CRegistryKey key(hive);
    return key.Open(kSettingsPath, CRegistryKey::kReadWrite) &&
           key.SetDword(kSexValue, SexChoiceFromStored(choices.sex)) &&
           key.SetDword(kTodayOnlyValue, TodayOnlyFromStored(choices.todayOnly));
}

}  // namespace hoshikura
