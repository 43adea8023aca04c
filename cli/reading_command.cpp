// hoshikura-cli reading [--limit N] [--sex boy|girl] [--json] SURNAME READING
#include <string>
#include <vector>

#include "cli_args.h"
#include "commands.h"
#include "ranking_output.h"
#include "reading_search.h"
#include "sample_name.h"

namespace hoshikura {

int RunReadingCommand(int argc, char** argv) {
    CliArgs args;
    std::string error;
    if (!ParseCliArgs(argc, argv, 2, {"--json"}, {"--limit", "--sex"}, args, error)) return UsageError(error);
    if (args.words.empty() || args.words.size() > 3) return UsageError("reading takes a surname and a reading");
    int limit = 0;
    if (!RowLimit(args, limit)) return UsageError("--limit takes a number");
    int32_t sexChoice = 0;
    if (!SexOption(args, sexChoice)) return UsageError("--sex takes boy or girl");
    std::string surname, reading;
    if (!SplitQueryLine(args.words, surname, reading)) return kExitRefused;

    const CSampleName store;
    CReadingSearch search;
    search.SetQuery(surname.c_str(), reading.c_str());
    search.sexChoice = sexChoice;
    search.RunSearch(store);
    std::vector<RankingLine> lines;
    for (int i = 0; i < limit && i < search.resultCount; ++i)
        lines.push_back(NameRankingLine(search.results, i, false));
    WriteRanking(lines, search.resultCount == 0, args.Has("--json"));
    return kExitDone;
}

}  // namespace hoshikura
