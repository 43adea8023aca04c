// hoshikura-cli COMMAND [WORDS...]: the subcommand by its name.
#include <cstring>
#include <string>

#include "commands.h"

namespace hoshikura {

int RunCommand(int argc, char** argv) {
    if (argc < 2) return UsageError("no command");
    const char* command = argv[1];
    if (std::strcmp(command, "judge") == 0) return RunJudgeCommand(argc, argv);
    if (std::strcmp(command, "samples") == 0) return RunSamplesCommand(argc, argv);
    if (std::strcmp(command, "patterns") == 0) return RunPatternsCommand(argc, argv);
    if (std::strcmp(command, "reading") == 0) return RunReadingCommand(argc, argv);
    if (std::strcmp(command, "kanji") == 0) return RunKanjiCommand(argc, argv);
    if (std::strcmp(command, "surnames") == 0) return RunSurnamesCommand(argc, argv);
    if (std::strcmp(command, "compose") == 0) return RunComposeCommand(argc, argv);
    return UsageError(std::string("unknown command ") + command);
}

}  // namespace hoshikura
