// hoshikura-cli compose [--sex boy|girl] [--today] [--limit N] [--json] SURNAME READING
#include <string>
#include <vector>

#include "cli_args.h"
#include "commands.h"
#include "compose_search.h"
#include "json_writer.h"
#include "ranking_output.h"
#include "name_split.h"
#include "name_words.h"
#include "sample_name.h"

namespace hoshikura {

namespace {

const NameWordsRule kSurnameAndReading = {
    2, 1, "姓と名前の読みを空白で区切って入力してください（例：hoshikura-cli compose 佐藤 はると）。"};

RankingLine ComposeLine(const CComposeSearch& search, int i) {
    const ComposeResult& row = search.results[i];
    char text[160];
    search.FormatRow(i, text, sizeof text);
    std::string split;
    for (int c = 0; c < row.pieceCount; ++c)
        split += (c > 0 ? "," : "") + JsonQuote(search.PieceReading(i, c));
    JsonObject json;
    json.Int("rank", ShownRank(search.results, i))
        .Int("score", row.score)
        .Text("written", row.written)
        .Raw("split", "[" + split + "]")
        .Raw("known", row.known ? "true" : "false")
        .Raw("common", search.IsCommon(i) ? "true" : "false");
    return {text, json.Str()};
}

// A reading of more kana than characters composed may find no spelling
// only because of that limit: say so beside 「該当なし」.
void NoteComposeLimit(const std::string& surname, const std::string& reading, int resultCount) {
    if (resultCount > 0 || reading.size() / 2 <= static_cast<std::size_t>(kMaxComposedCharacters)) return;
    // The example must be a name judge takes: the reading itself only when
    // it is short enough to be a given name.
    const std::string example = reading.size() <= static_cast<std::size_t>(kMaxNameBytes)
                                    ? "（例：hoshikura-cli judge " + surname + " " + reading + "）"
                                    : "（名は" + std::to_string(kMaxNameBytes / 2) + "文字以内。例：hoshikura-cli judge " +
                                          surname + " 陽太郎）";
    Tell("表記は" + std::to_string(kMaxComposedCharacters) + "文字までで組み立てます。読み「" + reading + "」に合う" +
         std::to_string(kMaxComposedCharacters) + "文字までの表記はありませんでした。" +
         "もっと長い表記は、考えた名前を judge で確かめてください" + example + "。");
}

}  // namespace

int RunComposeCommand(int argc, char** argv) {
    QueryCommand command;
    if (const int refused = ReadQueryCommand(argc, argv, kSurnameAndReading, command)) return refused;
    NoteUnknownCharacters(UnknownCharacters({command.surname}));
    NoteReadingNotKana(command.query);

    const CSampleName store;
    CComposeSearch search;
    search.SetQuery(command.surname.c_str(), command.query.c_str(), command.sex, command.today);
    search.RunSearch(store);
    NoteComposeLimit(command.surname, command.query, search.resultCount);
    std::vector<RankingLine> lines;
    for (int i = 0; i < command.limit && i < search.resultCount; ++i)
        lines.push_back(ComposeLine(search, i));
    WriteRanking(lines, search.resultCount == 0, command.args.Has("--json"), command.today);
    return kExitDone;
}

}  // namespace hoshikura
