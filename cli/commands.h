// The subcommands of hoshikura-cli. Each returns the process exit code:
// 0 done, 1 refused input or output that could not be written, 2 usage error.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "cli_args.h"

namespace hoshikura {

constexpr int kExitDone = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

// Runs the subcommand named by argv[1] on the words after it, prints its
// usage after a usage error (every command's when the command is unknown),
// then makes sure everything it printed reached standard output.
int RunCommand(int argc, char** argv);

int RunJudgeCommand(int argc, char** argv);
int RunTextsCommand(int argc, char** argv);
int RunSamplesCommand(int argc, char** argv);
int RunPatternsCommand(int argc, char** argv);
int RunReadingCommand(int argc, char** argv);
int RunKanjiCommand(int argc, char** argv);
int RunSurnamesCommand(int argc, char** argv);
int RunComposeCommand(int argc, char** argv);
int RunCompareCommand(int argc, char** argv);

class CSampleName;
class CFortuneTable;
struct CNameRecord;

// The JSON object `judge --json` prints for a judged name, without a line
// end; `unknown` lists the characters judged as 0 strokes.
std::string JudgedNameJson(const CNameRecord& record, const CFortuneTable& fortunes,
                           const std::vector<std::string>& unknown);

// Written form and reading of one sample entry.
struct SampleText {
    std::string written;
    std::string reading;
};
SampleText ReadSample(const CSampleName& store, int firstStrokes, int restStrokes, int k);

// Writes CP932 text to stdout or stderr in the terminal's encoding.
void WriteOut(const std::string& sjis);
void WriteErr(const std::string& sjis);
// Writes text already in the terminal's encoding to stderr.
void WriteErrRaw(const std::string& external);
// Flushes stdout; false when any write to it failed.
bool OutputWritten();

// Prints the CP932 message on stderr as one line after "hoshikura-cli: ",
// the start of every message of the tool.
void Tell(const std::string& message);
// Prints the CP932 message after "hoshikura-cli: " on stderr and returns
// kExitUsage; RunCommand then prints the usage of the command.
int UsageError(const std::string& message);
// Prints "hoshikura-cli: " and a message already in the terminal's encoding
// on stderr, as one line.
void TellExternal(const std::string& external);
// Prints "hoshikura-cli: " and the CP932 message on stderr; returns kExitRefused.
int Refuse(const std::string& message);

// Parses the words after the command name (see ParseCliArgs). Returns
// kExitDone, or the exit code after printing why not.
int ReadCommandArgs(int argc, char** argv, const std::set<std::string>& known,
                    const std::set<std::string>& withValue, CliArgs& out);

}  // namespace hoshikura
