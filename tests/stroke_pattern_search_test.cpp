#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "name_record.h"
#include "sample_name.h"
#include "sample_walk.h"
#include "stroke_pattern_search.h"
#include "stroke_table.h"

using namespace hoshikura;

namespace {

CStrokePatternSearch Searched(const char* surname, int good) {
    CStrokePatternSearch s;
    s.SetQuery(surname, good);
    s.RunSearch();
    return s;
}

// Every pattern's score, scored independently of the ranking.
std::vector<int> AllScores(const char* surname) {
    std::vector<int> scores;
    CNameRecord r;
    for (int s = 1; s <= 29; ++s) {
        r.Analyse(surname, "名");
        r.strokes[r.surnameLength] = s;
        r.Evaluate();
        scores.push_back(r.totalScore);
    }
    for (int a = 1; a <= 21; ++a)
        for (int b = 1; b <= 45; ++b) {
            r.Analyse(surname, "名前");
            r.strokes[r.surnameLength] = a;
            r.strokes[r.surnameLength + 1] = b;
            r.Evaluate();
            scores.push_back(r.totalScore);
        }
    return scores;
}

// Index into AllScores of the pattern (first) or (first, second).
size_t PatternIndex(int first, int second) {
    return second == 0 ? static_cast<size_t>(first - 1)
                       : static_cast<size_t>(29 + (first - 1) * 45 + second - 1);
}

}  // namespace

// A sample name listed under a pattern is filed by the stroke table, so a
// one- or two-character name judged with the surname scores what its
// pattern scores.
TEST(StrokePatternSearch, EverySampleIsFiledByTheTableAndScoresItsPattern) {
    const char* const surname = "小林";
    const std::vector<int> patternScores = AllScores(surname);
    const CSampleName samples;
    int judged = 0;
    WalkSampleNames(samples, kBothSexes, [&](int32_t first, int32_t rest, int32_t k) {
        char written[kMaxWrittenBytes + 1];
        samples.GetSampleKj(first, rest, k, written);
        const size_t length = std::strlen(written) / 2;
        int restStrokes = 0;
        for (size_t i = 1; i < length; ++i) restStrokes += TheStrokeTable().StrokeCount(written + 2 * i);
        EXPECT_EQ(TheStrokeTable().StrokeCount(written), first) << written;
        EXPECT_EQ(restStrokes, rest) << written;
        if (length > 2) return;
        CNameRecord name;
        name.Analyse(surname, written);
        EXPECT_EQ(name.totalScore, patternScores[PatternIndex(first, rest)]) << written;
        ++judged;
    });
    EXPECT_GT(judged, 0);
}

TEST(StrokePatternSearch, RankingsHoldTheTopTwoHundredInOrder) {
    for (const char* surname : {"林", "山田", "佐々木", "長谷川田中", "ゐ"}) {
        std::vector<int> all = AllScores(surname);
        ASSERT_EQ(all.size(), 974u);
        for (int good : {1, 0}) {
            CStrokePatternSearch s = Searched(surname, good);
            ASSERT_EQ(s.resultCount, 200);
            std::vector<int> expected = all;
            if (good) std::sort(expected.rbegin(), expected.rend());
            else std::sort(expected.begin(), expected.end());
            for (int i = 0; i < 200; ++i) EXPECT_EQ(s.results[i].score, expected[i]) << surname << i;
        }
    }
}

TEST(StrokePatternSearch, InsertionDropsTheTwoHundredFirstAndSkipsLowerOnes) {
    CStrokePatternSearch s;
    s.SetQuery("山田", 1);
    CNameRecord r;
    r.Analyse("山田", "太郎");
    for (int i = 0; i < 200; ++i) s.InsertResult(r);
    CNameRecord lower;
    lower.Analyse("山田", "太郎");
    lower.totalScore -= 1;
    s.InsertResult(lower);  // full and worse than every row: dropped
    EXPECT_EQ(s.resultCount, 200);
    EXPECT_EQ(s.results[199].score, r.totalScore);
    CNameRecord higher = r;
    higher.totalScore += 1;
    s.InsertResult(higher);
    EXPECT_EQ(s.results[0].score, r.totalScore + 1);
    EXPECT_EQ(s.resultCount, 200);
}
