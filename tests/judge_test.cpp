#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "judge.h"
#include "name_record.h"

using namespace hoshikura;

namespace {

// A record with the given counts and the grids they form.
CNameRecord WithStrokes(const std::vector<int>& counts, int surnameLength) {
    CNameRecord r{};
    for (size_t i = 0; i < counts.size(); ++i) r.strokes[i] = counts[i];
    r.surnameLength = surnameLength;
    r.givenLength = static_cast<int>(counts.size()) - surnameLength;
    r.Evaluate();
    return r;
}

// A record with five grids set directly.
CNameRecord WithGrids(const std::vector<int>& grids) {
    CNameRecord r{};
    for (int i = 0; i < kGridCount; ++i) r.SetGrid(i, grids[i]);
    return r;
}

const CJudge& J() { return TheJudge(); }

}  // namespace

TEST(Judge, LuckClassCountsAndTellingNumbers) {
    std::map<int, int> perClass;
    for (int n = 1; n <= 81; ++n) ++perClass[J().LuckClass(n)];
    EXPECT_EQ(perClass[2], 12);
    EXPECT_EQ(perClass[1], 24);
    EXPECT_EQ(perClass[0], 15);
    EXPECT_EQ(perClass[-1], 16);
    EXPECT_EQ(perClass[-2], 14);
    EXPECT_EQ(J().LuckClass(80), 0);
    EXPECT_EQ(J().NumberValue(80), 16);
    EXPECT_EQ(J().LuckClass(73), 0);
    EXPECT_EQ(J().LuckClass(81), 2);
    EXPECT_EQ(J().NumberValue(81), 100);
    EXPECT_EQ(J().NumberValue(10), 0);
    EXPECT_EQ(J().NumberValue(65), 99);
}

TEST(Judge, ReductionRepeatsAboveEightyOne) {
    EXPECT_EQ(ReduceNumber(81), 81);
    EXPECT_EQ(ReduceNumber(82), 2);
    EXPECT_EQ(ReduceNumber(90), 10);
    EXPECT_EQ(ReduceNumber(161), 81);
    EXPECT_EQ(ReduceNumber(162), 2);
    EXPECT_EQ(ReduceNumber(300), 60);
    EXPECT_EQ(ReduceNumber(1), 1);
}

TEST(Judge, StrokeScoreWorkedExamples) {
    EXPECT_EQ(J().StrokeScore(WithGrids({8, 9, 13, 12, 21})), 346);
    EXPECT_EQ(J().StrokeScore(WithGrids({1, 1, 1, 1, 1})), 625);
    EXPECT_EQ(J().StrokeScore(WithGrids({10, 20, 10, 20, 10})), 5);
    EXPECT_EQ(J().StrokeScore(WithGrids({45, 20, 45, 70, 90})), 188);
    // 82 counts as 2: 27 * (1 + 1 + 1 + 1) + 13 + 20.
    EXPECT_EQ(J().StrokeScore(WithGrids({82, 82, 82, 82, 82})), 27 * 4 + 27 + 13 + 20);
    // 162 reduces twice, to 2, like 82.
    EXPECT_EQ(J().StrokeScore(WithGrids({162, 82, 162, 162, 162})),
              J().StrokeScore(WithGrids({2, 2, 2, 2, 2})));
}

TEST(Judge, StrokeScoreIsMinusOneForAnyGridBelowOne) {
    for (int g = 0; g < kGridCount; ++g) {
        std::vector<int> grids{8, 9, 13, 12, 21};
        grids[g] = 0;
        EXPECT_EQ(J().StrokeScore(WithGrids(grids)), -1) << g;
    }
}

TEST(Judge, ElementScoreWorkedExamples) {
    CNameRecord r = WithGrids({8, 9, 13, 12, 21});
    EXPECT_EQ(J().ElementScore(r), 39);
    EXPECT_EQ(std::vector<int>(r.elementPoints, r.elementPoints + 4), (std::vector<int>{1, 1, 12, 25}));
    r = WithGrids({8, 7, 5, 6, 13});
    EXPECT_EQ(J().ElementScore(r), 55);
    EXPECT_EQ(std::vector<int>(r.elementPoints, r.elementPoints + 4), (std::vector<int>{1, 25, 25, 4}));
    r = WithGrids({1, 11, 21, 31, 41});
    EXPECT_EQ(J().ElementScore(r), 74);
}

TEST(Judge, YinYangWorkedExamples) {
    struct Case {
        std::vector<int> counts;
        int surnameLength;
        int score;
    } cases[] = {
        {{3, 5}, 1, 30},          {{3, 4}, 1, 95},          {{3, 5, 7}, 1, 15},
        {{3, 5, 4}, 2, 95},       {{3, 3, 4}, 1, 35},       {{1, 2, 2, 1}, 2, 15},
        {{1, 1, 2, 2}, 2, 100},   {{1, 1, 2, 2}, 1, 35},    {{1, 1, 1, 1, 1}, 2, 5},
        {{1, 1, 1, 1, 2}, 2, 20}, {{1, 1, 1, 2, 1}, 2, 5},  {{1, 2, 2, 2, 1}, 2, 40},
        {{1, 2, 2, 1, 2}, 2, 55}, {{1, 2, 1, 2, 1}, 2, 100}, {{1, 1, 2, 1, 1}, 2, 65},
        {{3, 5, 4, 9}, 2, 100},   {{8}, 1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(J().YinYangScore(WithStrokes(c.counts, c.surnameLength)), c.score)
            << c.counts.size() << " chars, S=" << c.surnameLength;
}

TEST(Judge, YinYangRunStopsAtAMissingCharacter) {
    // Second character missing: a run of one.
    EXPECT_EQ(J().YinYangScore(WithStrokes({3, 0, 4, 9}, 2)), 0);
    // Given name wholly missing after 3, 5: a run of two equal parities.
    EXPECT_EQ(J().YinYangScore(WithStrokes({3, 5, 0, 0}, 2)), 30);
    // The first character is in the run even at 0 strokes, as even.
    EXPECT_EQ(J().YinYangScore(WithStrokes({0, 3}, 1)), 95);
}

TEST(Judge, YinYangSeamOutsideTheRunCountsAsEven) {
    // Three-character surname, given name missing: the run ends at the seam,
    // and the missing character counts as even.
    EXPECT_EQ(J().YinYangScore(WithStrokes({1, 2, 3, 0}, 3)), 95);  // seam odd/even breaks
    EXPECT_EQ(J().YinYangScore(WithStrokes({1, 3, 2, 0}, 3)), 35);  // seam even/even holds
    EXPECT_EQ(J().YinYangScore(WithStrokes({2, 1, 1, 2, 0}, 4)), 35);
    EXPECT_EQ(J().YinYangScore(WithStrokes({2, 1, 1, 1, 2, 0}, 5)), 40);
}

TEST(Judge, SameStrokeWorkedExamples) {
    EXPECT_EQ(J().SameStrokeScore(WithStrokes({3, 5, 4, 9}, 2)), 100);
    EXPECT_EQ(J().SameStrokeScore(WithStrokes({3, 5, 12, 3}, 2)), 90);
    EXPECT_EQ(J().SameStrokeScore(WithStrokes({8, 1}, 1)), 70);
    // One-character names: the three character patterns fall together
    // (-30), and here 天地 and 横 apply as well.
    EXPECT_EQ(J().SameStrokeScore(WithStrokes({1, 11}, 1)), 100 - 30 - 25 - 30);
    // One-character surname: head and middle patterns compare the same pair.
    EXPECT_EQ(WithStrokes({3, 13, 2}, 1).scores[kSameStrokeMethod], 100 - 20);
}

TEST(Judge, SameStrokeCanReachZero) {
    EXPECT_EQ(J().SameStrokeScore(WithStrokes({10, 10, 10, 10}, 2)), 0);
    EXPECT_EQ(J().SameStrokeScore(WithStrokes({10, 20}, 1)), 0);  // 10 and 20 share 0
}
