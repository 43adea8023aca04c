// hoshikura-cli kanji [--limit N] [--sex boy|girl] [--json] SURNAME CHARACTER
#include <string>
#include <vector>

#include "commands.h"
#include "kanji_search.h"
#include "name_words.h"
#include "ranking_output.h"
#include "sample_name.h"

namespace hoshikura {

namespace {

const NameWordsRule kSurnameAndKanji = {
    2, "姓と名前に使いたい漢字1文字を空白で区切って入力してください。例: hoshikura-cli kanji 山田 翔",
    "kanji takes a surname and one character"};

}  // namespace

int RunKanjiCommand(int argc, char** argv) {
    CliArgs args;
    if (const int refused = ReadCommandArgs(argc, argv, {"--json"}, {"--limit", "--sex"}, args)) return refused;
    std::vector<std::string> words;
    if (const int refused = TakeNameWords(args, kSurnameAndKanji, words)) return refused;
    int limit = 0;
    if (!RowLimit(args, limit)) return UsageError("--limit takes a number");
    int32_t sexChoice = 0;
    if (!SexOption(args, sexChoice)) return UsageError("--sex takes boy or girl");
    std::string surname, character;
    if (!SplitQueryLine(words, surname, character)) return kExitRefused;
    // As the dialog: the search is for exactly one two-byte character.
    if (character.size() != 2) return Refuse(kSurnameAndKanji.hint);
    NoteUnknownCharacters(UnknownCharacters({surname, character}));

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
