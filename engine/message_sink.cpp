#include "message_sink.h"

#include <cstdarg>

#include "sjis_text.h"

namespace hoshikura {

namespace {
CMessageSink* g_sink = nullptr;
}

void SetMessageSink(CMessageSink* sink) { g_sink = sink; }

namespace {

// Formats into a bounded buffer and hands the text to one of the sink's outputs.
void Send(void (CMessageSink::*output)(const char*), const char* format, va_list args) {
    if (!g_sink) return;
    char text[kMessageBufferSize];
    FormatTextV(text, sizeof text, format, args);
    (g_sink->*output)(text);
}

}  // namespace

void ShowMessage(const char* format, ...) {
    va_list args;
    va_start(args, format);
    Send(&CMessageSink::Show, format, args);
    va_end(args);
}

void ShowWarning(const char* text) {
    if (g_sink) g_sink->Warn(text);
}

void DebugPrint(const char* format, ...) {
    va_list args;
    va_start(args, format);
    Send(&CMessageSink::Debug, format, args);
    va_end(args);
}

}  // namespace hoshikura
