#include "window_placement.h"

#include "wide_text.h"

namespace hoshikura {

namespace {

struct CBoxPlacement {
    HHOOK hook = nullptr;
    HWND over = nullptr;
};

CBoxPlacement& BoxPlacement() {
    static CBoxPlacement placement;
    return placement;
}

int Clamp(int value, int low, int high) {
    if (value > high) value = high;
    return value < low ? low : value;
}

// The box is activated once, right after its creation: place it then and
// stop watching.
LRESULT CALLBACK PlaceBoxOnActivation(int code, WPARAM wparam, LPARAM lparam) {
    CBoxPlacement& placement = BoxPlacement();
    HHOOK hook = placement.hook;
    if (code == HCBT_ACTIVATE && hook) {
        CentreOver(reinterpret_cast<HWND>(wparam), placement.over);
        UnhookWindowsHookEx(hook);
        placement.hook = nullptr;
    }
    return CallNextHookEx(hook, code, wparam, lparam);
}

}  // namespace

void CentreOver(HWND window, HWND over) {
    RECT own;
    if (!GetWindowRect(window, &own)) return;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(over ? over : window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT work = monitor.rcWork;
    RECT target = work;
    if (over) GetWindowRect(over, &target);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    const int x = (target.left + target.right - width) / 2;
    const int y = (target.top + target.bottom - height) / 2;
    SetWindowPos(window, nullptr, Clamp(x, work.left, work.right - width),
                 Clamp(y, work.top, work.bottom - height), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int MessageBoxOver(HWND over, const char* text, const char* caption, UINT type) {
    return MessageBoxOver(over, Wide(text), caption, type);
}

int MessageBoxOver(HWND over, const std::wstring& text, const char* caption, UINT type) {
    CBoxPlacement& placement = BoxPlacement();
    if (!placement.hook) {
        placement.over = over;
        placement.hook =
            SetWindowsHookExW(WH_CBT, PlaceBoxOnActivation, nullptr, GetCurrentThreadId());
    }
    HWND owner = over ? GetAncestor(over, GA_ROOT) : nullptr;
    const int pressed = MessageBoxW(owner, text.c_str(), Wide(caption).c_str(), type);
    // A box that never came up leaves no hook behind.
    if (placement.hook) {
        UnhookWindowsHookEx(placement.hook);
        placement.hook = nullptr;
    }
    return pressed;
}

}  // namespace hoshikura
