// The choice of listing names of today only, kept in the current user's hive
// between runs beside the sex choice and saved with the lists:
//   Software\Hoshikura\Settings  "TodayOnly" (DWORD): 0 all names, 1 names of today only
#pragma once

#include <cstdint>

#include "registry_hive.h"

namespace hoshikura {

// The stored choice. A missing key or value, a value of another type or
// size, or any number but 1 reads as 0 (all names). Never creates the key.
int32_t LoadTodayOnly(CRegistryHive& hive);
// Stores the choice (anything but 1 as 0), creating the key. Returns 1 when
// the value was written.
int32_t SaveTodayOnly(CRegistryHive& hive, int32_t todayOnly);

}  // namespace hoshikura
