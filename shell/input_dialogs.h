// Procedures of the five modal input dialogs DLGBOX1 to DLGBOX5. Each hands
// its checked text to dispatch and closes, or stays open after a message.
#pragma once

#include <windows.h>

namespace hoshikura {

INT_PTR CALLBACK FullNameDlgProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
INT_PTR CALLBACK SurnameDlgProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
INT_PTR CALLBACK ReadingDlgProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
INT_PTR CALLBACK KanjiDlgProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
INT_PTR CALLBACK GivenNameDlgProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace hoshikura
