// Binds the engine's messages to a message box over the window they belong
// to (the frame, or the dialog that is up; none once the frame has gone) and its
// debugger lines to the debugger output.
#pragma once

#include "message_sink.h"

namespace hoshikura {

class CMessageBoxSink : public CMessageSink {
public:
    void Show(const char* text) override;
    // With the warning icon.
    void Warn(const char* text) override;
    void Debug(const char* text) override;
};

}  // namespace hoshikura
