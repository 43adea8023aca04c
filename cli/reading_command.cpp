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
    QueryCommand command;
    if (const int refused = ReadQueryCommand(argc, argv, kSurnameAndReading, command)) return refused;
    NoteUnknownCharacters(UnknownCharacters({command.surname}));

    const CSampleName store;
    CReadingSearch search;
    search.SetQuery(command.surname.c_str(), command.query.c_str());
    search.sexChoice = command.sex;
    search.RunSearch(store);
    WriteNameRanking(search.results, search.resultCount, false, command);
    return kExitDone;
}

}  // namespace hoshikura
