// hoshikura-cli COMMAND [WORDS...]: the subcommand by its name.
#include <cstring>
#include <string>

#include "commands.h"
#include "terminal_text.h"

namespace hoshikura {

namespace {

struct Command {
    const char* name;
    int (*run)(int argc, char** argv);
    const char* syntax;       // the command line, options in ASCII
    const char* explanation;  // what it does, in Japanese
    bool listsNames;          // takes the options of the name lists
};

const Command kCommands[] = {
    {"judge", RunJudgeCommand, "hoshikura-cli judge [--json] [--texts] 姓 名",
     "姓名を判断します（例：hoshikura-cli judge 山田 太郎）。姓と名は空白で区切ります。"
     "--texts で各格の解説も、--json で結果をJSONで出します。",
     false},
    {"texts", RunTextsCommand, "hoshikura-cli texts [--kind person|earth|outer|total] [--json] [N]",
     "数N（1〜81。人格・地格・外格の解説は71まで）の解説を出します（例：hoshikura-cli texts 9）。Nを省くとすべての数の解説を、"
     "--kind で人格（person）・地格（earth）・外格（outer）・総格（total）のどれかだけを出します。",
     false},
    {"samples", RunSamplesCommand,
     "hoshikura-cli samples [--surnames | --key FIRST REST [--json] | --random N --seed S [--json]]",
     "名前の見本の件数を出します。--surnames で見本の姓を、--key で一字目がFIRST画・残りがREST画の名前を、"
     "--random で見本からN件（Sは取り出し方を決める0以上の整数）を出します。",
     false},
    {"patterns", RunPatternsCommand,
     "hoshikura-cli patterns [--worst] [--limit N] [--sex boy|girl] [--today] [--json] 姓",
     "姓に合う名前の画数を良い順（--worst で悪い順）に、名前の例と出します（例：hoshikura-cli patterns 山田）。",
     true},
    {"reading", RunReadingCommand,
     "hoshikura-cli reading [--limit N] [--sex boy|girl] [--today] [--json] 姓 よみ",
     "その読みの名前を姓との点数の順に出します（例：hoshikura-cli reading 山田 ひろし）。"
     "読みはひらがなか全角のカタカナで入力します。",
     true},
    {"kanji", RunKanjiCommand, "hoshikura-cli kanji [--limit N] [--sex boy|girl] [--today] [--json] 姓 字",
     "使いたい1文字（漢字かひらがな）を含む名前を姓との点数の順に出します（例：hoshikura-cli kanji 山田 翔）。",
     true},
    {"surnames", RunSurnamesCommand, "hoshikura-cli surnames [--worst] [--limit N] [--json] 名",
     "名に合う姓を良い順（--worst で悪い順）に出します（例：hoshikura-cli surnames 太郎）。", true},
    {"compose", RunComposeCommand,
     "hoshikura-cli compose [--sex boy|girl] [--today] [--limit N] [--json] 姓 よみ",
     "読みに合う名前の表記を組み立て、姓との点数の順に出します（例：hoshikura-cli compose 佐藤 はると）。"
     "読みはひらがなか全角のカタカナで入力します。",
     true},
    {"compare", RunCompareCommand, "hoshikura-cli compare [--json] 姓 名 [名...] | compare [--json] --file ファイル",
     "いくつかの姓名を判断し、総合得点の高い順に並べて比べます（例：hoshikura-cli compare 山田 太郎 一郎）。"
     "--file のファイルには1行に1人の姓名をUTF-8で書きます。結果はタブ区切りの表で、--json でJSONの配列で出します。",
     false},
};

constexpr char kListOptions[] =
    "  --limit N：先頭のN行だけ　--sex boy|girl：男の子（女の子）の名前だけ　"
    "--today：今の名前だけ　--json：JSONで出す\n";

std::string UsageOf(const Command& command) {
    return std::string("  ") + command.syntax + "\n    " + command.explanation + "\n";
}

// The usage of one command, or of every command when it is null.
std::string Usage(const Command* command) {
    std::string usage = "使い方：\n";
    bool listsNames = false;
    for (const Command& each : kCommands)
        if (command == nullptr || command == &each) {
            usage += UsageOf(each);
            listsNames = listsNames || each.listsNames;
        }
    return listsNames ? usage + kListOptions : usage;
}

bool AsksForHelp(const char* word) {
    return std::strcmp(word, "--help") == 0 || std::strcmp(word, "-h") == 0 || std::strcmp(word, "help") == 0;
}

// "hoshikura-cli --help" (or -h, help) asks for every command's usage,
// "hoshikura-cli judge --help" for the usage of judge.
bool HelpAsked(int argc, char** argv, const Command* command) {
    if (argc >= 2 && AsksForHelp(argv[1])) return true;
    for (int i = 2; command != nullptr && i < argc; ++i)
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return true;
    return false;
}

// The unknown command word as CP932, or nothing when it is no readable text.
std::string TypedCommand(char** argv) {
    std::string internal, problem;
    return ArgumentToInternal(argv, 1, internal, problem) ? "「" + internal + "」という" : std::string("その");
}

const Command* FindCommand(const char* name) {
    for (const Command& command : kCommands)
        if (std::strcmp(name, command.name) == 0) return &command;
    return nullptr;
}

int Dispatch(int argc, char** argv) {
    const Command* command = argc < 2 ? nullptr : FindCommand(argv[1]);
    if (HelpAsked(argc, argv, command)) {
        WriteOut(Usage(command));
        return kExitDone;
    }
    int exitCode = kExitUsage;
    if (command != nullptr)
        exitCode = command->run(argc, argv);
    else if (argc < 2)
        UsageError("コマンドを指定してください（例：hoshikura-cli judge 山田 太郎）。");
    else
        UsageError(TypedCommand(argv) + "コマンドはありません。下のコマンドのどれかを指定してください。");
    if (exitCode == kExitUsage) WriteErr(Usage(command));
    return exitCode;
}

}  // namespace

int RunCommand(int argc, char** argv) {
    const int exitCode = Dispatch(argc, argv);
    if (OutputWritten()) return exitCode;
    Tell("結果を標準出力に書き出せませんでした（書き込み先の空き容量や接続を確かめてください）。");
    return kExitRefused;
}

}  // namespace hoshikura
