// The application-wide objects: built in one order while the frame is
// created, freed in one order when it is finally destroyed.
#pragma once

namespace hoshikura {

// False when an object could not be allocated: the frame's creation then
// fails and the program ends. Objects made so far stay for DestroyAppObjects.
bool CreateAppObjects();
// Saves the stored lists (only when this run loaded them) and frees every
// object; null pointers are skipped.
void DestroyAppObjects();

}  // namespace hoshikura
