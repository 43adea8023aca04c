// Procedures of the modal input dialogs DLGBOX1 to DLGBOX6. Each hands
// its checked text to dispatch and closes, or stays open after a message.
#pragma once

#include <windows.h>

namespace hoshikura {

INT_PTR CALLBACK FullNameDlgProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
INT_PTR CALLBACK SurnameDlgProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
INT_PTR CALLBACK ReadingDlgProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
INT_PTR CALLBACK KanjiDlgProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
INT_PTR CALLBACK GivenNameDlgProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
// A surname and a reading in hiragana or katakana, for composed spellings.
INT_PTR CALLBACK ComposeDlgProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace hoshikura
