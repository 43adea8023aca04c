// Window procedures of the view windows: they find the view of a window in
// its open-view list and hand it painting (WM_PAINT and WM_PRINTCLIENT alike)
// and commands.
#pragma once

#include <windows.h>

namespace hoshikura {

LRESULT CALLBACK ChildWndProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
// For a control that may hold the focus: Escape goes on to its parent, so it
// reaches the view (or, from the MDI client, the frame) wherever the focus is.
// It also leaves Tab to dialog navigation, as TabMovesFocusProc does.
LRESULT CALLBACK EscapeToParentProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
// For an edit field of a dialog or view: Tab and Shift+Tab move the focus
// (dialog navigation), and never type a TAB into the field.
LRESULT CALLBACK TabMovesFocusProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Gives a control one of the procedures above; it keeps the control's own
// procedure for every message the new one does not handle.
void SubclassControl(HWND control, WNDPROC procedure);

// Asks over `owner` whether to close (Esc on a view or on the frame): true
// unless the user cancels.
bool ConfirmClose(HWND owner);

// Where a subclassed control keeps the procedure it had.
constexpr wchar_t kSavedProcProperty[] = L"HoshikuraSavedProc";

}  // namespace hoshikura
