#include "ranking_output.h"

#include "commands.h"
#include "generation_filter.h"
#include "json_writer.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

RankingLine NameRankingLine(const NameResult (&rows)[kRankingRows], int i, bool withReading) {
    const NameResult& row = rows[i];
    const int32_t rank = ShownRank(rows, i);
    char text[128];
    if (withReading)
        FormatText(text, sizeof text, "%3d位 (%d点)    %s (%s)", rank, row.score, row.written, row.reading);
    else
        FormatText(text, sizeof text, "%3d位 (%d点)    %s", rank, row.score, row.written);
    JsonObject json;
    json.Int("rank", rank).Int("score", row.score).Text("written", row.written);
    if (withReading) json.Text("reading", row.reading);
    json.Raw("strokes", JsonIntArray(row.strokes, row.characterCount));
    return {text, json.Str()};
}

}  // namespace

const char kLimitHint[] = "--limit には1～2147483647の整数を入力してください（例：--limit 10）。";
const char kSexHint[] = "--sex には boy（男の子）か girl（女の子）を入力してください（例：--sex girl）。";

bool RowLimit(const CliArgs& args, int& limit) {
    limit = kRankingRows;
    const std::string* value = args.Value("--limit");
    return !value || (ParseInt(*value, limit) && limit >= 1);
}

bool SplitQueryLine(const std::vector<std::string>& words, const char* hint, std::string& surname,
                    std::string& query) {
    std::string line;
    for (const std::string& word : words) line += (line.empty() ? "" : " ") + word;
    // Buffers that hold the whole line, as the dialogs give, so no word is cut.
    std::vector<char> first(line.size() + 1), second(line.size() + 1);
    const int capacity = static_cast<int>(line.size() + 1);
    if (!SplitOrRefuse(line, first.data(), capacity, second.data(), capacity, true, hint)) return false;
    surname = first.data();
    query = second.data();
    return true;
}

int ReadQueryCommand(int argc, char** argv, const NameWordsRule& rule, QueryCommand& out) {
    if (const int refused = ReadCommandArgs(argc, argv, {"--json", "--today"}, {"--limit", "--sex"}, out.args))
        return refused;
    // The options first: "--limit 山田" has taken the surname as its value.
    if (!RowLimit(out.args, out.limit)) return UsageError(kLimitHint);
    if (!SexOption(out.args, out.sex)) return UsageError(kSexHint);
    std::vector<std::string> words;
    if (const int refused = TakeNameWords(out.args, rule, words)) return refused;
    out.today = out.args.Has("--today") ? 1 : 0;
    if (!SplitQueryLine(words, rule.hint, out.surname, out.query)) return kExitRefused;
    return kExitDone;
}

void WriteRanking(const std::vector<RankingLine>& lines, bool rankingEmpty, bool json, int32_t todayOnly) {
    std::string out;
    if (json) {
        for (const RankingLine& line : lines) out += (out.empty() ? "" : ",") + line.json;
        WriteOut("[" + out + "]\n");
        return;
    }
    if (rankingEmpty) out = std::string(EmptyResultText(todayOnly)) + "\n";
    for (const RankingLine& line : lines) out += line.text + "\n";
    WriteOut(out);
}

void WriteNameRanking(const NameResult (&rows)[kRankingRows], int32_t count, bool withReading,
                      const QueryCommand& command) {
    std::vector<RankingLine> lines;
    for (int i = 0; i < command.limit && i < count; ++i)
        lines.push_back(NameRankingLine(rows, i, withReading));
    WriteRanking(lines, count == 0, command.args.Has("--json"), command.today);
}

}  // namespace hoshikura
