// The recent list, the candidate list, both rank lists and the choices of
// the name searches as stored in the user's registry.
#pragma once

namespace hoshikura {

// Reads the stored lists over the emptied ones (missing values keep them)
// and the sex choice.
void LoadStoredSettings();
// Writes the recent list, the candidates, the best and worst lists and the
// choices; a failure is kept for ReportFailedSave.
void SaveStoredSettings();
// Tells the user, once, that a save failed. Called after the message loop:
// a message box opened while the quit message waits would close at once.
void ReportFailedSave();

}  // namespace hoshikura
