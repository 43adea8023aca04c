// Dots per inch: the views, dialogs and frame are designed in pixels of a
// 96-dpi screen; on the screen each of those values is scaled to the dpi
// of the window that shows it. The functions of newer Windows versions are
// looked up at run time, so the program still starts where they are
// missing (the screen's one dpi is used there).
#pragma once

#include <windows.h>

namespace hoshikura {

constexpr int kDesignDpi = 96;

// The dpi of the monitor that shows `window`, or of the screen.
int WindowDpi(HWND window);
// The dpi the system made its stock fonts and metrics for.
int SystemDpi();
// A 96-dpi pixel value at `dpi`.
inline int Scaled(int value, int dpi) { return MulDiv(value, dpi, kDesignDpi); }
RECT Scaled(const RECT& design, int dpi);
// The drawing context's scale on a screen of `dpi`.
inline double DrawScale(int dpi) { return dpi / static_cast<double>(kDesignDpi); }
// A system metric (GetSystemMetrics' index) as at `dpi`.
int MetricForDpi(int index, int dpi);
// The frame and caption a window of this style (without a menu) adds
// around its client area at `dpi`: how much larger than its client it is.
SIZE NonClientForDpi(DWORD style, DWORD exStyle, int dpi);

}  // namespace hoshikura
