#include "stroke_pattern_search.h"

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
    StrokeResult* row = OpenRankedRow(results, resultCount, record.totalScore, wantGood != 0);
    if (!row) return;
    row->characterCount = CopyGivenStrokes(record, row->strokes);
    row->score = record.totalScore;
}

void CStrokePatternSearch::SampleKey(int row, int32_t& firstStrokes, int32_t& restStrokes) const {
    firstStrokes = restStrokes = 0;
    if (row < 0 || row >= resultCount) return;
    firstStrokes = results[row].strokes[0];
    restStrokes = results[row].characterCount >= 2 ? results[row].strokes[1] : 0;
}

}  // namespace hoshikura
