#include <cstdio>

#include "commands.h"
#include "terminal_text.h"

namespace hoshikura {

void WriteOut(const std::string& sjis) {
    const std::string text = ToExternal(sjis);
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void WriteErr(const std::string& sjis) {
    const std::string text = ToExternal(sjis);
    std::fwrite(text.data(), 1, text.size(), stderr);
}

int UsageError(const std::string& message) {
    WriteErr("hoshikura-cli: " + message + "\n");
    WriteErr("usage: hoshikura-cli judge [--json] [--texts] SURNAME GIVEN\n"
             "       hoshikura-cli samples [--surnames | --key FIRST REST [--json]]\n"
             "       hoshikura-cli patterns [--worst] [--limit N] [--sex boy|girl] [--json] SURNAME\n"
             "       hoshikura-cli reading [--limit N] [--sex boy|girl] [--json] SURNAME READING\n"
             "       hoshikura-cli kanji [--limit N] [--sex boy|girl] [--json] SURNAME CHARACTER\n"
             "       hoshikura-cli surnames [--worst] [--limit N] [--json] GIVEN\n");
    return kExitUsage;
}

}  // namespace hoshikura
