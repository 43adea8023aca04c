#include <cstdio>

#include "commands.h"
#include "terminal_text.h"

namespace hoshikura {

namespace {

// Set once a write to stdout failed (a console that took nothing, say).
bool g_outputLost = false;

}  // namespace

void WriteOut(const std::string& sjis) {
    if (!WriteTerminal(stdout, ToExternal(sjis))) g_outputLost = true;
}

void WriteErr(const std::string& sjis) { WriteErrRaw(ToExternal(sjis)); }

void WriteErrRaw(const std::string& external) {
    WriteTerminal(stderr, external);
    std::fflush(stderr);
}

bool OutputWritten() {
    // A failed write also sets the stream's error flag, which stays set.
    return std::fflush(stdout) == 0 && !std::ferror(stdout) && !g_outputLost;
}

namespace {

constexpr char kMessageStart[] = "hoshikura-cli: ";

}  // namespace

void Tell(const std::string& message) { WriteErr(kMessageStart + message + "\n"); }

void TellExternal(const std::string& external) { WriteErrRaw(ToExternal(kMessageStart) + external + "\n"); }

int UsageError(const std::string& message) {
    Tell(message);
    return kExitUsage;
}

int Refuse(const std::string& message) {
    Tell(message);
    return kExitRefused;
}

int ReadCommandArgs(int argc, char** argv, const std::set<std::string>& known,
                    const std::set<std::string>& withValue, CliArgs& out) {
    std::string error;
    switch (ParseCliArgs(argc, argv, 2, known, withValue, out, error)) {
        case ArgsOutcome::kParsed:
            return kExitDone;
        case ArgsOutcome::kUsageError:
            return UsageError(error);
        case ArgsOutcome::kUnreadable:
            TellExternal(error);
            return kExitRefused;
    }
    return kExitUsage;
}

}  // namespace hoshikura
