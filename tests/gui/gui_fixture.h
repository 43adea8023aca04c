// The program's frame for tests: created hidden once per test process, with
// a recording message sink so no message box waits for a click.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace hoshikura {
namespace test {

// Creates the hidden frame (classes, objects, client, splash) if needed.
HWND EnsureFrame();
// Destroys the frame and with it every view and application object.
void DestroyFrame();
// True for windows of the dialog class: dialogs and message boxes.
bool IsDialogWindow(HWND window);
// Dispatches every queued message of this thread.
void PumpMessages();
// Pumps for about `milliseconds`, so timers fire.
void PumpFor(DWORD milliseconds);
// Closes every open view window.
void CloseAllViews();
// Number of view windows in the MDI client, and of listed views of one kind.
int ViewCount();
int ViewCountOfKind(int kind);

// Removes the stored lists from the user's registry, as before a first run.
void ForgetStoredLists();
// Shows ShowMessage's texts in real message boxes, as the program does,
// until RecordMessages binds the recorder again.
void ShowMessageBoxes();
void RecordMessages();

// The texts ShowMessage was asked to show since the last call.
std::vector<std::string> TakeMessages();

// Answers the next message box of this thread with `button` (IDOK,
// IDCANCEL) as soon as it appears; returns its text through `text`.
void AnswerNextMessageBox(int button, std::string* text = nullptr);

// Chooses a sex item of the menu "名前検索" as a click on it does.
void ChooseSex(int command);
// The command of the sex item that bears the radio mark, or 0 unless
// exactly one of the three does, drawn as a radio mark.
int MarkedSexItem();

// Where screenshots and other artefacts go (created on demand).
std::string ArtefactPath(const char* fileName);

}  // namespace test
}  // namespace hoshikura
