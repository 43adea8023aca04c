// Which of a view's own buttons a command reports as clicked.
#pragma once

#include <windows.h>

#include "view.h"

namespace hoshikura {

// The slot 0..count-1 of the view's button that sent this BN_CLICKED, or
// -1. A button's id is kFirstButtonId + its slot in the view's controls.
// Commands from menus,
// accelerators (no control) or other windows, and other notifications, give
// -1, so no stray id can stand for a button.
inline int ClickedButton(const CView& view, UINT message, WPARAM wparam, LPARAM lparam,
                         int count) {
    if (message != WM_COMMAND || HIWORD(wparam) != BN_CLICKED) return -1;
    const int id = LOWORD(wparam) - kFirstButtonId;
    if (id < 0 || id >= count || id >= kViewControlCount) return -1;
    const HWND sender = reinterpret_cast<HWND>(lparam);
    if (!sender || sender != view.controls[id]) return -1;
    return id;
}

}  // namespace hoshikura
