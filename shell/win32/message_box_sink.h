// Binds the engine's messages to a message box over the window they belong
// to (the frame, or the dialog that is up) and its
// debugger lines to the debugger output.
#pragma once

#include "message_sink.h"

namespace hoshikura {

class CMessageBoxSink : public CMessageSink {
public:
    void Show(const char* text) override;
    void Debug(const char* text) override;
};

}  // namespace hoshikura
