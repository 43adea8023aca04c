// Binds the engine's messages to a message box over the window they belong
// to (the frame, or the dialog that is up; none once the frame has gone) and its
// debugger lines to the debugger output.
#pragma once

#include <windows.h>

#include <string>

#include "message_sink.h"

namespace hoshikura {

class CMessageBoxSink : public CMessageSink {
public:
    void Show(const char* text) override;
    // With the warning icon.
    void Warn(const char* text) override;
    void Debug(const char* text) override;
};

// A message as Show gives it, over `owner`, for a text in UTF-16 (one that
// names a character CP932 cannot hold).
void ShowUnicodeMessage(HWND owner, const std::wstring& text);

}  // namespace hoshikura
