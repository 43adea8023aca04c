// Whose sample given names the searches list, kept in the current user's
// hive between runs and saved with the lists:
//   Software\Hoshikura\Settings  "Sex" (DWORD): 0 both, 1 boys, 2 girls
//                                "TodayOnly" (DWORD): 1 names of today only, 0 all
#pragma once

#include <cstdint>

#include "registry_hive.h"
#include "sex_filter.h"

namespace hoshikura {

struct NameChoices {
    int32_t sex = kBothSexes;
    int32_t todayOnly = 0;
};

// The stored choices. A missing key or value, a value of another type or
// size, or a number outside a choice reads as its default (both sexes, all
// names). Never creates the key.
NameChoices LoadNameChoices(CRegistryHive& hive);
// Stores both choices (a number outside one as its default), creating the
// key. True when both values were written.
bool SaveNameChoices(CRegistryHive& hive, const NameChoices& choices);

}  // namespace hoshikura
