// hoshikura-cli: the divination engine from a terminal.
#include <cstring>

#include "commands.h"
#include "message_sink.h"

namespace {

// The engine's messages go to stderr, one line each.
class StderrSink : public hoshikura::CMessageSink {
public:
    void Show(const char* text) override { hoshikura::WriteErr(std::string(text) + "\n"); }
    void Debug(const char*) override {}
};

}  // namespace

int main(int argc, char** argv) {
    StderrSink sink;
    hoshikura::SetMessageSink(&sink);
    if (argc < 2) return hoshikura::UsageError("no command");
    const char* command = argv[1];
    if (std::strcmp(command, "judge") == 0) return hoshikura::RunJudgeCommand(argc, argv);
    if (std::strcmp(command, "samples") == 0) return hoshikura::RunSamplesCommand(argc, argv);
    if (std::strcmp(command, "patterns") == 0) return hoshikura::RunPatternsCommand(argc, argv);
    if (std::strcmp(command, "reading") == 0) return hoshikura::RunReadingCommand(argc, argv);
    if (std::strcmp(command, "kanji") == 0) return hoshikura::RunKanjiCommand(argc, argv);
    if (std::strcmp(command, "surnames") == 0) return hoshikura::RunSurnamesCommand(argc, argv);
    return hoshikura::UsageError(std::string("unknown command ") + command);
}
