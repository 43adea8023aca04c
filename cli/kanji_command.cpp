// hoshikura-cli kanji [--limit N] [--sex boy|girl] [--json] SURNAME CHARACTER
#include <string>
#include <vector>

#include "cli_args.h"
#include "commands.h"
#include "kanji_search.h"
#include "ranking_output.h"
#include "sample_name.h"

namespace hoshikura {

int RunKanjiCommand(int argc, char** argv) {
    CliArgs args;
    std::string error;
    if (!ParseCliArgs(argc, argv, 2, {"--json"}, {"--limit", "--sex"}, args, error)) return UsageError(error);
    if (args.words.empty() || args.words.size() > 3) return UsageError("kanji takes a surname and one character");
    int limit = 0;
    if (!RowLimit(args, limit)) return UsageError("--limit takes a number");
    int32_t sexChoice = 0;
    if (!SexOption(args, sexChoice)) return UsageError("--sex takes boy or girl");
    std::string surname, character;
    // As the dialog: anything but exactly one two-byte character is refused silently.
    if (!SplitQueryLine(args.words, surname, character) || character.size() != 2) return kExitRefused;

    const CSampleName store;
    CKanjiSearch search;
    search.SetQuery(surname.c_str(), character.c_str());
    search.sexChoice = sexChoice;
    search.RunSearch(store);
    std::vector<RankingLine> lines;
    for (int i = 0; i < limit && i < search.resultCount; ++i)
        lines.push_back(NameRankingLine(search.results, i, true));
    WriteRanking(lines, search.resultCount == 0, args.Has("--json"));
    return kExitDone;
}

}  // namespace hoshikura
