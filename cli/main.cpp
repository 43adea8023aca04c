// hoshikura-cli: the divination engine from a terminal.
#include "commands.h"
#include "message_sink.h"

namespace {

// The engine's messages go to stderr, one line each, after the tool's name.
class StderrSink : public hoshikura::CMessageSink {
public:
    void Show(const char* text) override { hoshikura::Tell(text); }
    void Debug(const char*) override {}
};

}  // namespace

int main(int argc, char** argv) {
    StderrSink sink;
    hoshikura::SetMessageSink(&sink);
    return hoshikura::RunCommand(argc, argv);
}
