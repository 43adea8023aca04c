// hoshikura-cli reading [--limit N] [--sex boy|girl] [--json] SURNAME READING
#include <string>
#include <vector>

#include "commands.h"
#include "name_words.h"
#include "ranking_output.h"
#include "reading_search.h"
#include "sample_name.h"

namespace hoshikura {

namespace {

const NameWordsRule kSurnameAndReading = {
    2, "姓と名前の読みを空白で区切って入力してください。例: hoshikura-cli reading 山田 ひろし",
    "reading takes a surname and a reading"};

}  // namespace

int RunReadingCommand(int argc, char** argv) {
    CliArgs args;
    if (const int refused = ReadCommandArgs(argc, argv, {"--json"}, {"--limit", "--sex"}, args)) return refused;
    std::vector<std::string> words;
    if (const int refused = TakeNameWords(args, kSurnameAndReading, words)) return refused;
    int limit = 0;
    if (!RowLimit(args, limit)) return UsageError("--limit takes a number");
    int32_t sexChoice = 0;
    if (!SexOption(args, sexChoice)) return UsageError("--sex takes boy or girl");
    std::string surname, reading;
    if (!SplitQueryLine(words, surname, reading)) return kExitRefused;
    NoteUnknownCharacters(UnknownCharacters({surname}));

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
