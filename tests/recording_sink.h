// Captures the engine's messages for the duration of a test.
#pragma once

#include <string>
#include <vector>

#include "message_sink.h"

class RecordingSink : public hoshikura::CMessageSink {
public:
    RecordingSink() { hoshikura::SetMessageSink(this); }
    ~RecordingSink() override { hoshikura::SetMessageSink(nullptr); }
    void Show(const char* text) override { shown.emplace_back(text); }
    void Debug(const char* text) override { debug.emplace_back(text); }

    std::vector<std::string> shown;
    std::vector<std::string> debug;
};
