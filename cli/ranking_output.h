// What the reading, kanji and surnames commands share: the --limit option,
// the split of a surname-and-query line, and printing a ranking.
#pragma once

#include <string>
#include <vector>

#include "cli_args.h"
#include "name_ranking.h"

namespace hoshikura {

// --limit N, or every row when absent; false for a value that is no count.
bool RowLimit(const CliArgs& args, int& limit);

// Joins the words into one line and splits it as the reading and kanji
// dialogs do: the second word may be of any length. False when refused.
bool SplitQueryLine(const std::vector<std::string>& words, std::string& surname, std::string& query);

// One printed row: its list text and its JSON object.
struct RankingLine {
    std::string text;
    std::string json;
};

// Row i of a name ranking: rank, score and written form, and the reading
// when the search keeps one.
RankingLine NameRankingLine(const NameResult (&rows)[kRankingRows], int i, bool withReading);

// Prints the rows as text lines, or as one JSON array with --json. An empty
// ranking prints the list's "該当なし" (or []).
void WriteRanking(const std::vector<RankingLine>& lines, bool rankingEmpty, bool json);

}  // namespace hoshikura
