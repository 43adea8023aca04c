// The recent list and both rank lists as stored in the user's registry.
#pragma once

namespace hoshikura {

// Reads the stored lists over the emptied ones; missing values keep them.
void LoadStoredSettings();
// Writes the recent list, the best list and the worst list.
void SaveStoredSettings();

}  // namespace hoshikura
