// The recent list, both rank lists and the sex choice of the name searches
// as stored in the user's registry.
#pragma once

namespace hoshikura {

// Reads the stored lists over the emptied ones (missing values keep them)
// and the sex choice.
void LoadStoredSettings();
// Writes the recent list, the best list, the worst list and the sex choice;
// a failure is kept for ReportFailedSave.
void SaveStoredSettings();
// Tells the user, once, that a save failed. Called after the message loop:
// a message box opened while the quit message waits would close at once.
void ReportFailedSave();

}  // namespace hoshikura
