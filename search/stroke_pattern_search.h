// Given-name stroke patterns that score best or worst with a surname.
#pragma once

#include <cstdint>

#include "name_record.h"
#include "ranking.h"

namespace hoshikura {

// One-character patterns 1..29, two-character ones 1..21 x 1..45.
constexpr int kMaxSinglePattern = 29;
constexpr int kMaxPatternFirst = 21;
constexpr int kMaxPatternSecond = 45;
constexpr int kPatternCount = kMaxSinglePattern + kMaxPatternFirst * kMaxPatternSecond;

struct StrokeResult {
    int32_t characterCount;  // 1 or 2; 0 in an empty row
    int32_t strokes[kRowStrokes];
    int32_t score;           // totalScore; 0 marks an empty row
};

class CStrokePatternSearch {
public:
    CStrokePatternSearch();

    void SetQuery(const char* surnameText, int32_t good);
    void ClearResults();
    // Scores all 974 patterns with the surname and ranks them.
    void RunSearch();
    // Ranked insertion: in front of the first empty row or the first row the
    // newcomer equals or beats; the 201st row falls off.
    void InsertResult(const CNameRecord& record);

    // Stroke key of the sample names that fit row i: (s, 0) or (s1, s2).
    void SampleKey(int row, int32_t& firstStrokes, int32_t& restStrokes) const;

    int32_t wantGood;
    char surname[kSurnameFieldSize];
    int32_t resultCount;
    StrokeResult results[kRankingRows];
};

}  // namespace hoshikura
