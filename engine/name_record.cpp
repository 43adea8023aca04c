#include "name_record.h"

#include <cstring>

#include "judge.h"
#include "sjis_text.h"
#include "stroke_table.h"

namespace hoshikura {

namespace {

// Characters of a name text; a trailing odd byte is not a character. Capped
// so that surname and given name together always fit `strokes`.
int32_t CharacterCount(const char* text, int32_t room) {
    int32_t count = static_cast<int32_t>(std::strlen(text) / 2);
    return count < room ? count : room;
}

}  // namespace

void CNameRecord::Analyse(const char* surnameText, const char* givenText) {
    CopyText(surname, sizeof surname, surnameText);
    CopyText(givenName, sizeof givenName, givenText);
    std::memset(strokes, 0, sizeof strokes);
    const int32_t half = kMaxCharacters / 2;
    surnameLength = CharacterCount(surname, half);
    givenLength = CharacterCount(givenName, half);
    const CStrokeTable& table = TheStrokeTable();
    for (int32_t i = 0; i < surnameLength; ++i) strokes[i] = table.StrokeCount(surname + 2 * i);
    for (int32_t j = 0; j < givenLength; ++j)
        strokes[surnameLength + j] = table.StrokeCount(givenName + 2 * j);
    Evaluate();
}

int32_t CNameRecord::StrokeAt(int i) const {
    return (i >= 0 && i < kMaxCharacters) ? strokes[i] : 0;
}

void CNameRecord::Evaluate() {
    const int S = surnameLength;
    const int G = givenLength;
    int32_t heavenGrid = 0;
    for (int i = 0; i < S; ++i) heavenGrid += StrokeAt(i);
    int32_t earthGrid = 0;
    for (int j = 0; j < G; ++j) earthGrid += StrokeAt(S + j);
    grids[kHeaven] = heavenGrid;
    grids[kPerson] = StrokeAt(S - 1) + StrokeAt(S);
    grids[kEarth] = earthGrid;
    grids[kTotal] = heavenGrid + earthGrid;
    // A one-character surname or given name keeps its character in the Outer grid.
    const int32_t outerSurname = S == 1 ? heavenGrid : heavenGrid - StrokeAt(S - 1);
    const int32_t outerGiven = G == 1 ? earthGrid : earthGrid - StrokeAt(S);
    grids[kOuter] = outerSurname + outerGiven;

    const CJudge& judge = TheJudge();
    scores[kStrokeMethod] = judge.StrokeScore(*this);
    scores[kElementMethod] = judge.ElementScore(*this);
    scores[kYinYangMethod] = judge.YinYangScore(*this);
    scores[kSameStrokeMethod] = judge.SameStrokeScore(*this);
    totalScore = 0;
    for (int32_t score : scores) totalScore += score;
}

}  // namespace hoshikura
