#include "message_box_sink.h"

#include <windows.h>

#include "app_state.h"

namespace hoshikura {

void CMessageBoxSink::Show(const char* text) {
    // Before the frame's creation has returned the box has no owner.
    MessageBoxA(App().frame, text, "メッセージ", MB_ICONINFORMATION);
}

void CMessageBoxSink::Debug(const char* text) { OutputDebugStringA(text); }

}  // namespace hoshikura
