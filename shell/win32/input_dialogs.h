// The modal input dialogs DLGBOX1 to DLGBOX6: one procedure, handed the
// table row of its dialog. Each hands its checked text to dispatch and
// closes, or stays open after a message.
#pragma once

#include <windows.h>

namespace hoshikura {

enum class InputDialogKind {
    kFullName,   // a full name to judge
    kSurname,    // a surname: good or bad given-name stroke patterns
    kReading,    // a surname and a reading: sample names
    kKanji,      // a surname and one kanji: sample names
    kGivenName,  // a given name: good or bad surnames
    kCompose,    // a surname and a reading: composed spellings
};

// Runs the dialog of `kind` modally over `owner`.
void RunInputDialog(HWND owner, InputDialogKind kind);

}  // namespace hoshikura
