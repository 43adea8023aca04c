// The choice of boys', girls' or all sample given names, kept in the current
// user's hive between runs:
//   Software\Hoshikura\Settings  "Sex" (DWORD): 0 both, 1 boys, 2 girls
#pragma once

#include <cstdint>

#include "registry_hive.h"

namespace hoshikura {

// The stored choice. A missing key or value, a value of another type or
// size, or any other number reads as both. Never creates the key.
int32_t LoadSexChoice(CRegistryHive& hive);
// Stores the choice (anything outside it as both), creating the key.
// Returns 1 when the value was written.
int32_t SaveSexChoice(CRegistryHive& hive, int32_t choice);

}  // namespace hoshikura
