// hoshikura-cli surnames [--worst] [--limit N] [--json] GIVEN
#include <string>
#include <vector>

#include "commands.h"
#include "json_writer.h"
#include "dialog_text.h"
#include "name_words.h"
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

const NameWordsRule kGivenOnly = {1, 1, "名を一つ入力してください（例：hoshikura-cli surnames 太郎）。"};

}  // namespace

int RunSurnamesCommand(int argc, char** argv) {
    CliArgs args;
    if (const int refused = ReadCommandArgs(argc, argv, {"--worst", "--json"}, {"--limit"}, args)) return refused;
    int limit = 0;
    if (!RowLimit(args, limit)) return UsageError(kLimitHint);
    std::vector<std::string> words;
    if (const int refused = TakeNameWords(args, kGivenOnly, words)) return refused;
    // The given name is checked as the given-name dialog checks it, behind a
    // placeholder surname.
    char placeholder[kSurnameFieldSize];
    char given[kGivenFieldSize];
    if (!SplitOrRefuse(kPlaceholderSurname + words[0], placeholder, sizeof placeholder, given, sizeof given, false,
                       kGivenOnly.hint))
        return kExitRefused;
    NoteUnknownCharacters(UnknownCharacters({given}));

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
