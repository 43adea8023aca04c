// hoshikura-cli surnames [--worst] [--limit N] [--json] GIVEN
#include <string>
#include <vector>

#include "cli_args.h"
#include "commands.h"
#include "json_writer.h"
#include "name_split.h"
#include "ranking_output.h"
#include "sample_name.h"
#include "sjis_text.h"
#include "surname_search.h"

namespace hoshikura {

namespace {

RankingLine SurnameLine(const CSurnameSearch& search, int i) {
    const SurnameResult& row = search.results[i];
    const int32_t rank = ShownRank(search.results, i);
    char text[128];
    FormatText(text, sizeof text, "%3d位 (%d点)    %s", rank, row.score, row.surname);
    return {text, JsonObject().Int("rank", rank).Int("score", row.score).Text("surname", row.surname).Str()};
}

}  // namespace

int RunSurnamesCommand(int argc, char** argv) {
    CliArgs args;
    std::string error;
    if (!ParseCliArgs(argc, argv, 2, {"--worst", "--json"}, {"--limit"}, args, error)) return UsageError(error);
    if (args.words.size() != 1) return UsageError("surnames takes one given name");
    int limit = 0;
    if (!RowLimit(args, limit)) return UsageError("--limit takes a number");
    // The given name is checked as the given-name dialog checks it, behind a
    // placeholder surname.
    char placeholder[kSurnameFieldSize];
    char given[kGivenFieldSize];
    if (!SplitFullName(("良名 " + args.words[0]).c_str(), placeholder, sizeof placeholder, given,
                       sizeof given, 0))
        return kExitRefused;

    const CSampleName store;
    CSurnameSearch search;
    search.SetQuery(args.Has("--worst") ? 0 : 1, given);
    search.RunSearch(store);
    std::vector<RankingLine> lines;
    for (int i = 0; i < limit && i < search.resultCount; ++i) lines.push_back(SurnameLine(search, i));
    WriteRanking(lines, search.resultCount == 0, args.Has("--json"));
    return kExitDone;
}

}  // namespace hoshikura
