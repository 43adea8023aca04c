// Where the engine's user messages and debugger lines go. The Windows shell
// binds message boxes and debugger output, the CLI stderr, tests a recorder.
#pragma once

namespace hoshikura {

constexpr int kMessageBufferSize = 2048;

class CMessageSink {
public:
    virtual ~CMessageSink() = default;
    virtual void Show(const char* text) = 0;
    // A message about something lost; shown as any other unless the sink
    // marks it.
    virtual void Warn(const char* text) { Show(text); }
    virtual void Debug(const char* text) = 0;
};

// Binds the sink (not owned); null drops every message.
void SetMessageSink(CMessageSink* sink);

// Formats into a 2,048-byte buffer (cut on a character boundary) and shows it.
void ShowMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Shows a warning text as it is.
void ShowWarning(const char* text);
// Formats into a 2,048-byte buffer and sends it to the debugger output.
void DebugPrint(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace hoshikura
