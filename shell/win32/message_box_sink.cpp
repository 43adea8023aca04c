#include "message_box_sink.h"

#include <windows.h>

#include "app_state.h"
#include "wide_text.h"
#include "window_placement.h"

namespace hoshikura {

namespace {

constexpr char kCaption[] = "メッセージ";

// The window a message of this thread belongs to: the active window (an
// input dialog while one is up), else the frame.
HWND MessageOwner() {
    HWND active = GetActiveWindow();
    return active ? active : App().frame;
}

}  // namespace

void CMessageBoxSink::Show(const char* text) {
    // Owned by the dialog that caused it, so that dialog stays in front and
    // the frame stays disabled; before the frame exists it has no owner.
    MessageBoxOver(MessageOwner(), text, kCaption, MB_ICONINFORMATION);
}

void ShowUnicodeMessage(HWND owner, const std::wstring& text) {
    MessageBoxOver(owner, text, kCaption, MB_ICONINFORMATION);
}

void CMessageBoxSink::Warn(const char* text) {
    MessageBoxOver(MessageOwner(), text, kCaption, MB_ICONWARNING);
}

void CMessageBoxSink::Debug(const char* text) { OutputDebugStringW(Wide(text).c_str()); }

}  // namespace hoshikura
