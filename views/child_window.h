// Window procedures of the view windows: they find the view of a window in
// the open-view list and hand it painting and commands.
#pragma once

#include <windows.h>

namespace hoshikura {

class CView;

LRESULT CALLBACK ChildWndProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
// For a control that a view paints itself (its parent is the view's window).
LRESULT CALLBACK PageWndProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Paints the view on a device context through the shared drawing context.
void PaintView(CView* view, HWND window, HDC dc);

// The view of a window, or null (also when no list exists).
CView* FindView(HWND window);

// Where a control whose procedure was replaced by PageWndProc keeps the
// procedure it had, for every message PageWndProc does not handle.
constexpr char kSavedProcProperty[] = "HoshikuraSavedProc";

}  // namespace hoshikura
