#include "dpi.h"

namespace hoshikura {

namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);
using MetricsForDpi = int(WINAPI*)(int, UINT);
using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// A function of user32 by name, or null on a Windows without it.
template <typename Function>
Function User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                  : nullptr;
}

}  // namespace

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kDesignDpi;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDesignDpi;
}

int WindowDpi(HWND window) {
    static const auto forWindow = User32Function<DpiForWindow>("GetDpiForWindow");
    const int dpi = forWindow && window ? static_cast<int>(forWindow(window)) : 0;
    return dpi > 0 ? dpi : SystemDpi();
}

RECT Scaled(const RECT& design, int dpi) {
    return {Scaled(design.left, dpi), Scaled(design.top, dpi), Scaled(design.right, dpi),
            Scaled(design.bottom, dpi)};
}

int MetricForDpi(int index, int dpi) {
    static const auto forDpi = User32Function<MetricsForDpi>("GetSystemMetricsForDpi");
    if (forDpi) return forDpi(index, static_cast<UINT>(dpi));
    return MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}

SIZE NonClientForDpi(DWORD style, DWORD exStyle, int dpi) {
    static const auto forDpi = User32Function<AdjustForDpi>("AdjustWindowRectExForDpi");
    RECT box = {0, 0, 0, 0};
    if (forDpi) {
        forDpi(&box, style, FALSE, exStyle, static_cast<UINT>(dpi));
        return {box.right - box.left, box.bottom - box.top};
    }
    AdjustWindowRectEx(&box, style, FALSE, exStyle);
    const int system = SystemDpi();
    return {MulDiv(box.right - box.left, dpi, system), MulDiv(box.bottom - box.top, dpi, system)};
}

}  // namespace hoshikura
