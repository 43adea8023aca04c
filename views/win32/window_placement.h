// Placing pop-up windows over the window they belong to: dialogs whose
// template gives no position, and message boxes, which would otherwise come
// up at the owner's corner or in the middle of the screen.
#pragma once

#include <windows.h>

#include <string>

namespace hoshikura {

// Centres `window` over `over` (over the screen when `over` is null), kept
// inside the work area of the monitor that shows `over`.
void CentreOver(HWND window, HWND over);

// A message box owned by the top-level window of `over` and centred over
// `over`; returns the button pressed.
int MessageBoxOver(HWND over, const char* text, const char* caption, UINT type);
// The same with a text in UTF-16, for a text that holds a character CP932
// cannot (a character typed that the program refuses).
int MessageBoxOver(HWND over, const std::wstring& text, const char* caption, UINT type);

}  // namespace hoshikura
