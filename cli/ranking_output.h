// What the reading, kanji, compose and surnames commands share: the --limit
// option, reading a surname-and-query command line, and printing a ranking.
#pragma once

#include <string>
#include <vector>

#include "cli_args.h"
#include "name_ranking.h"
#include "name_words.h"

namespace hoshikura {

// --limit N, or every row when absent; false for a value that is no count
// of at least one row.
bool RowLimit(const CliArgs& args, int& limit);

// What to type after a refused --limit or --sex (CP932).
extern const char kLimitHint[];
extern const char kSexHint[];

// Joins the words into one line and splits it as the reading and kanji
// dialogs do: the second word may be of any length. False when refused,
// with the hint when the line is no name.
bool SplitQueryLine(const std::vector<std::string>& words, const char* hint, std::string& surname,
                    std::string& query);

// The command line of a search by surname and query (a reading or a
// character): [--limit N] [--sex boy|girl] [--today] [--json] SURNAME QUERY.
struct QueryCommand {
    CliArgs args;
    std::string surname;
    std::string query;
    int limit = 0;
    int32_t sex = 0;    // kBothSexes
    int32_t today = 0;  // 1 with --today: names of today only
};

// Reads that command line: kExitDone, or the exit code of its usage error or
// refusal (the rule's hint when the words are too few).
int ReadQueryCommand(int argc, char** argv, const NameWordsRule& rule, QueryCommand& out);

// One printed row: its list text and its JSON object.
struct RankingLine {
    std::string text;
    std::string json;
};

// Prints the rows as text lines, or as one JSON array with --json. An empty
// ranking prints the list's "該当なし", "該当なし（今の名前だけ）" when names of
// today only were asked for (or []).
void WriteRanking(const std::vector<RankingLine>& lines, bool rankingEmpty, bool json, int32_t todayOnly = 0);

// Prints the first command.limit of `count` rows of a name ranking: rank,
// score and written form, and the reading when the search keeps one.
void WriteNameRanking(const NameResult (&rows)[kRankingRows], int32_t count, bool withReading,
                      const QueryCommand& command);

}  // namespace hoshikura
