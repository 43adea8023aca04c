// hoshikura-cli compose [--sex boy|girl] [--limit N] [--json] SURNAME READING
#include <string>
#include <vector>

#include "cli_args.h"
#include "commands.h"
#include "compose_search.h"
#include "json_writer.h"
#include "ranking_output.h"
#include "sample_name.h"

namespace hoshikura {

namespace {

bool SexChoice(const CliArgs& args, int32_t& sex) {
    const std::string* value = args.Value("--sex");
    sex = kComposeBoth;
    if (!value) return true;
    if (*value == "boy") sex = kComposeBoys;
    if (*value == "girl") sex = kComposeGirls;
    return sex != kComposeBoth;
}

RankingLine ComposeLine(const CComposeSearch& search, int i) {
    const ComposeResult& row = search.results[i];
    char text[160];
    search.FormatRow(i, text, sizeof text);
    std::string split;
    for (int c = 0; c < row.characterCount; ++c)
        split += (c > 0 ? "," : "") + JsonQuote(search.PieceReading(i, c));
    JsonObject json;
    json.Int("rank", ShownRank(search.results, i))
        .Int("score", row.score)
        .Text("written", row.written)
        .Raw("split", "[" + split + "]")
        .Raw("known", row.known ? "true" : "false");
    return {text, json.Str()};
}

}  // namespace

int RunComposeCommand(int argc, char** argv) {
    CliArgs args;
    std::string error;
    if (!ParseCliArgs(argc, argv, 2, {"--json"}, {"--limit", "--sex"}, args, error)) return UsageError(error);
    if (args.words.empty() || args.words.size() > 3) return UsageError("compose takes a surname and a reading");
    int limit = 0;
    if (!RowLimit(args, limit)) return UsageError("--limit takes a number");
    int32_t sex = kComposeBoth;
    if (!SexChoice(args, sex)) return UsageError("--sex takes boy or girl");
    std::string surname, reading;
    if (!SplitQueryLine(args.words, surname, reading)) return kExitRefused;

    const CSampleName store;
    CComposeSearch search;
    search.SetQuery(surname.c_str(), reading.c_str(), sex);
    search.RunSearch(store);
    std::vector<RankingLine> lines;
    for (int i = 0; i < limit && i < search.resultCount; ++i) lines.push_back(ComposeLine(search, i));
    WriteRanking(lines, search.resultCount == 0, args.Has("--json"));
    return kExitDone;
}

}  // namespace hoshikura
