// hoshikura-cli compare [--json] SURNAME GIVEN [GIVEN...] | --file FILE
#include <algorithm>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "commands.h"
#include "dialog_text.h"
#include "fortune_table.h"
#include "name_comparison.h"
#include "name_record.h"
#include "name_words.h"
#include "terminal_text.h"

namespace hoshikura {

namespace {

constexpr char kCompareHint[] =
    "姓と、比べる名を空白で区切って入力するか（例：hoshikura-cli compare 山田 太郎 一郎）、"
    "--file で1行に1人の姓名を書いたファイルを指定してください。";
constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

// One name to compare, as typed, and where it came from ("3行目の", or
// nothing for a name on the command line).
struct TypedName {
    std::string where;
    std::string line;        // CP932
    std::string unreadable;  // why a line is no text, in the terminal's encoding
};

using Names = std::vector<std::pair<std::string, std::string>>;

// "山田 太郎" and "山田 一郎" from the words "山田 太郎 一郎".
int NamesFromWords(const CliArgs& args, std::vector<TypedName>& out) {
    if (args.words.empty()) return UsageError(kCompareHint);
    const std::vector<std::string> words = NameWords(args.words);
    if (words.size() < 2) return Refuse(kCompareHint);
    for (std::size_t k = 1; k < words.size(); ++k) out.push_back({"", words[0] + " " + words[k], ""});
    return kExitDone;
}

bool BlankLine(const std::string& line) { return NameWords({line}).empty(); }

// A list of names is far smaller than this; a larger "file" (a device that
// never ends, say) is refused rather than read for ever.
constexpr std::streamsize kMaxFileBytes = 1 << 20;

// The file's lines, split at LF, CRLF or a lone CR, without the BOM.
std::vector<std::string> SplitLines(std::string text) {
    if (text.compare(0, 3, kUtf8Bom) == 0) text.erase(0, 3);
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            lines.back() += c;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        lines.emplace_back();
    }
    if (lines.back().empty()) lines.pop_back();
    return lines;
}

// The lines of a UTF-8 file with a name on them, and those that are no text.
int NamesFromFile(const std::string& path, std::vector<TypedName>& out) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return Refuse("--file で指定したファイルを開けません。ファイルの名前と場所を確かめてください。");
    std::string text(static_cast<std::size_t>(kMaxFileBytes) + 1, '\0');
    file.read(&text[0], kMaxFileBytes + 1);
    if (file.bad())
        return Refuse("--file で指定したファイルを最後まで読めませんでした。フォルダではなく、"
                      "1行に1人の姓名を書いたテキストファイルを指定してください。");
    if (file.gcount() > kMaxFileBytes)
        return Refuse("--file で指定したファイルが大きすぎます（1MBまで）。1行に1人の姓名を書いたテキストファイルを指定してください。");
    text.resize(static_cast<std::size_t>(file.gcount()));
    const std::vector<std::string> lines = SplitLines(text);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string where = std::to_string(k + 1) + "行目";
        std::string line, problem;
        if (!Utf8LineToInternal(lines[k], where, line, problem)) {
            out.push_back({where, "", problem});
            continue;
        }
        // A line goes through the rules of a typed or pasted line.
        RemoveControlCharacters(line);
        if (!BlankLine(line)) out.push_back({where + "の", line, ""});
    }
    if (out.empty()) return Refuse("--file で指定したファイルに姓名がありません。" + std::string(kCompareHint));
    return kExitDone;
}

// The names that can be judged; each other one is told with where it came
// from and counted in `refused`.
Names SplitNames(const std::vector<TypedName>& typed, int& refused) {
    Names names;
    for (const TypedName& name : typed) {
        if (!name.unreadable.empty()) {
            TellExternal(name.unreadable);
            ++refused;
            continue;
        }
        // A name line is a surname and a given name; a third word is refused
        // rather than dropped, so no line is compared as something else, and
        // a word of half-width characters only as judge refuses it.
        const std::vector<std::string> words = NameWords({name.line});
        const auto halfWidth = std::find_if(words.begin(), words.end(), HalfWidthName);
        if (words.size() > 2 || halfWidth != words.end()) {
            Tell(name.where + "「" + name.line + "」は比べられません。" +
                 (words.size() > 2 ? ExtraWordText(2, words[2]) + "1行に1人、姓と名を空白で区切って書いてください（例：山田 太郎）。"
                                   : HalfWidthNameText(*halfWidth)));
            ++refused;
            continue;
        }
        char surname[kNameTextSize];
        char given[kNameTextSize];
        const SplitResult result = SplitFullName(name.line.c_str(), surname, sizeof surname, given, sizeof given, false);
        if (result == SplitResult::kSplit) {
            names.push_back({surname, given});
            continue;
        }
        Tell(name.where + "「" + name.line + "」は比べられません。" +
             SplitRefusal(result, "姓と名を空白で区切って書いてください（例：山田 太郎）。"));
        ++refused;
    }
    return names;
}

std::vector<std::string> UnknownOf(const CNameRecord& record) {
    return UnknownCharacters({record.surname, record.givenName});
}

std::string JsonRows(const CNameComparison& table) {
    CFortuneTable fortunes;
    fortunes.LoadBuiltIn();
    std::string out;
    for (int row = 0; row < table.Rows(); ++row) {
        const CNameRecord& record = table.Row(row).record;
        out += (row ? ",\n" : "") + JudgedNameJson(record, fortunes, UnknownOf(record));
    }
    return "[" + out + "]\n";
}

void NoteUnknown(const CNameComparison& table) {
    std::vector<std::string> texts;
    for (int row = 0; row < table.Rows(); ++row) {
        texts.push_back(table.Row(row).record.surname);
        texts.push_back(table.Row(row).record.givenName);
    }
    NoteUnknownCharacters(UnknownCharacters(texts));
}

}  // namespace

int RunCompareCommand(int argc, char** argv) {
    CliArgs args;
    if (const int refused = ReadCommandArgs(argc, argv, {"--json"}, {"--file"}, args)) return refused;
    const std::string* file = args.Value("--file");
    if (file != nullptr && !args.words.empty())
        return UsageError("--file を指定したときは、姓名をコマンドに続けて入力できません。");
    std::vector<TypedName> typed;
    if (const int failed = file != nullptr ? NamesFromFile(*file, typed) : NamesFromWords(args, typed))
        return failed;

    int refused = 0;
    CNameComparison table;
    table.Set(SplitNames(typed, refused));
    NoteUnknown(table);
    WriteOut(args.Has("--json") ? JsonRows(table) : table.TabSeparatedText("\n"));
    return refused > 0 ? kExitRefused : kExitDone;
}

}  // namespace hoshikura
