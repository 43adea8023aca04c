#include "stroke_pattern_search.h"

#include <cstring>

#include "sjis_text.h"

namespace hoshikura {

CStrokePatternSearch::CStrokePatternSearch() : wantGood(1), surname{}, resultCount(0), results{} {
    ClearResults();
}

void CStrokePatternSearch::SetQuery(const char* surnameText, int32_t good) {
    CopyText(surname, sizeof surname, surnameText);
    wantGood = good;
}

void CStrokePatternSearch::ClearResults() {
    resultCount = 0;
    for (StrokeResult& row : results) row.score = 0;
}

void CStrokePatternSearch::RunSearch() {
    // The placeholder given names only set the given-name length; their
    // strokes are overwritten for every pattern.
    CNameRecord record;
    record.Analyse(surname, "名");
    for (int32_t s = 1; s <= kMaxSinglePattern; ++s) {
        record.strokes[record.surnameLength] = s;
        record.Evaluate();
        InsertResult(record);
    }
    record.Analyse(surname, "名前");
    for (int32_t s1 = 1; s1 <= kMaxPatternFirst; ++s1) {
        for (int32_t s2 = 1; s2 <= kMaxPatternSecond; ++s2) {
            record.strokes[record.surnameLength] = s1;
            record.strokes[record.surnameLength + 1] = s2;
            record.Evaluate();
            InsertResult(record);
        }
    }
}

void CStrokePatternSearch::InsertResult(const CNameRecord& record) {
    const int32_t t = record.totalScore;
    int i = 0;
    for (; i < kRankingRows; ++i) {
        const int32_t e = results[i].score;
        if (e == 0 || (wantGood ? t >= e : t <= e)) break;
    }
    if (i == kRankingRows) return;
    const int last = resultCount < kRankingRows ? resultCount : kRankingRows - 1;
    std::memmove(&results[i + 1], &results[i], sizeof(StrokeResult) * static_cast<size_t>(last - i));
    StrokeResult& row = results[i];
    row = StrokeResult{};
    row.characterCount = record.givenLength < 3 ? record.givenLength : 3;
    for (int c = 0; c < row.characterCount; ++c) row.strokes[c] = record.StrokeAt(record.surnameLength + c);
    row.score = t;
    if (resultCount < kRankingRows) ++resultCount;
}

void CStrokePatternSearch::SampleKey(int row, int32_t& firstStrokes, int32_t& restStrokes) const {
    firstStrokes = restStrokes = 0;
    if (row < 0 || row >= resultCount) return;
    firstStrokes = results[row].strokes[0];
    restStrokes = results[row].characterCount >= 2 ? results[row].strokes[1] : 0;
}

}  // namespace hoshikura
