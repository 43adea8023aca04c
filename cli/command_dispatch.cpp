// hoshikura-cli COMMAND [WORDS...]: the subcommand by its name.
#include <cstring>
#include <string>

#include "commands.h"

namespace hoshikura {

namespace {

struct Command {
    const char* name;
    int (*run)(int argc, char** argv);
};

const Command kCommands[] = {
    {"judge", RunJudgeCommand},       {"texts", RunTextsCommand},     {"samples", RunSamplesCommand},
    {"patterns", RunPatternsCommand}, {"reading", RunReadingCommand}, {"kanji", RunKanjiCommand},
    {"surnames", RunSurnamesCommand}, {"compose", RunComposeCommand},
};

int Dispatch(int argc, char** argv) {
    if (argc < 2) return UsageError("no command");
    for (const Command& command : kCommands)
        if (std::strcmp(argv[1], command.name) == 0) return command.run(argc, argv);
    return UsageError(std::string("unknown command ") + argv[1]);
}

}  // namespace

int RunCommand(int argc, char** argv) {
    const int exitCode = Dispatch(argc, argv);
    if (OutputWritten()) return exitCode;
    WriteErr("hoshikura-cli: 結果を標準出力に書き出せませんでした（書き込み先の空き容量や接続を確かめてください）。\n");
    return kExitRefused;
}

}  // namespace hoshikura
