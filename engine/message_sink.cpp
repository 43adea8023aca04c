#include "message_sink.h"

#include <cstdarg>

#include "sjis_text.h"

namespace hoshikura {

namespace {
CMessageSink* g_sink = nullptr;
}

void SetMessageSink(CMessageSink* sink) { g_sink = sink; }

void ShowMessage(const char* format, ...) {
    if (!g_sink) return;
    char text[kMessageBufferSize];
    va_list args;
    va_start(args, format);
    FormatTextV(text, sizeof text, format, args);
    va_end(args);
    g_sink->Show(text);
}

void DebugPrint(const char* format, ...) {
    if (!g_sink) return;
    char text[kMessageBufferSize];
    va_list args;
    va_start(args, format);
    FormatTextV(text, sizeof text, format, args);
    va_end(args);
    g_sink->Debug(text);
}

}  // namespace hoshikura
