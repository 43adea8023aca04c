// hoshikura-cli reading [--limit N] [--sex boy|girl] [--today] [--json] SURNAME READING
// hoshikura-cli kanji [--limit N] [--sex boy|girl] [--today] [--json] SURNAME CHARACTER
#include <string>
#include <vector>

#include "commands.h"
#include "kana_fold.h"
#include "kanji_search.h"
#include "name_words.h"
#include "ranking_output.h"
#include "reading_search.h"
#include "sample_name.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

const NameWordsRule kSurnameAndReading = {
    2, 1, "姓と名前の読みを空白で区切って入力してください（例：hoshikura-cli reading 山田 ひろし）。"};

const NameWordsRule kSurnameAndKanji = {
    2, 1, "姓と、名前に使いたい1文字（漢字かひらがな）を空白で区切って入力してください"
       "（例：hoshikura-cli kanji 山田 翔）。"};

// Ranks the sample given names for the query as the search's window does.
template <typename Search>
int RankSampleNames(const QueryCommand& command, bool withReading) {
    const CSampleName store;
    Search search;
    search.SetQuery(command.surname.c_str(), command.query.c_str());
    search.sexChoice = command.sex;
    search.todayOnly = command.today;
    search.RunSearch(store);
    WriteNameRanking(search.results, search.resultCount, withReading, command);
    return kExitDone;
}

// The sample names are written without katakana, so a katakana letter
// finds none; its hiragana twin may.
void NoteKatakanaCharacter(const std::string& character) {
    char folded[3];
    CopyText(folded, sizeof folded, character.c_str());
    FoldKatakana(folded);
    if (character == folded) return;
    Tell("名前の見本にカタカナの名前はありません。「" + character + "」のかわりにひらがなの「" + folded +
         "」で入力してください。");
}

// A character the stroke table lacks is in no sample name.
void NoteCharacterWithoutStrokes(const std::string& character) {
    if (UnknownCharacters({character}).empty()) return;
    Tell("名前の見本に「" + character + "」を使った名前はありません。名前に使う漢字かひらがなを1文字入力してください"
         "（例：hoshikura-cli kanji 山田 翔）。");
}

}  // namespace

int RunReadingCommand(int argc, char** argv) {
    QueryCommand command;
    if (const int refused = ReadQueryCommand(argc, argv, kSurnameAndReading, command)) return refused;
    NoteUnknownCharacters(UnknownCharacters({command.surname}));
    NoteReadingNotKana(command.query);
    return RankSampleNames<CReadingSearch>(command, false);
}

int RunKanjiCommand(int argc, char** argv) {
    QueryCommand command;
    if (const int refused = ReadQueryCommand(argc, argv, kSurnameAndKanji, command)) return refused;
    // As the dialog: the search is for exactly one two-byte character.
    if (command.query.size() != 2 || !IsLeadByte(static_cast<unsigned char>(command.query[0])))
        return Refuse(kSurnameAndKanji.hint);
    NoteUnknownCharacters(UnknownCharacters({command.surname}));
    NoteKatakanaCharacter(command.query);
    NoteCharacterWithoutStrokes(command.query);
    return RankSampleNames<CKanjiSearch>(command, true);
}

}  // namespace hoshikura
