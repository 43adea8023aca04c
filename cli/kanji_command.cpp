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
    QueryCommand command;
    if (const int refused = ReadQueryCommand(argc, argv, kSurnameAndKanji, command)) return refused;
    // As the dialog: the search is for exactly one two-byte character.
    if (command.query.size() != 2) return Refuse(kSurnameAndKanji.hint);
    NoteUnknownCharacters(UnknownCharacters({command.surname, command.query}));

    const CSampleName store;
    CKanjiSearch search;
    search.SetQuery(command.surname.c_str(), command.query.c_str());
    search.sexChoice = command.sex;
    search.RunSearch(store);
    WriteNameRanking(search.results, search.resultCount, true, command);
    return kExitDone;
}

}  // namespace hoshikura
