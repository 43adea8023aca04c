// A judged name: the worked examples of every method, then properties over
// many random names (ranges, re-evaluation equals analysis) and the rating
// steps against exact arithmetic.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "judge.h"
#include "name_record.h"
#include "rating.h"
#include "stroke_table.h"

using namespace hoshikura;

namespace {

const CJudge& J() { return TheJudge(); }

CNameRecord WithStrokes(const std::vector<int>& counts, int surnameLength) {
    CNameRecord r{};
    std::copy(counts.begin(), counts.end(), r.strokes);
    r.surnameLength = surnameLength;
    r.givenLength = static_cast<int>(counts.size()) - surnameLength;
    r.Evaluate();
    return r;
}

CNameRecord WithGrids(const std::vector<int>& grids) {
    CNameRecord r{};
    std::copy(grids.begin(), grids.end(), r.grids);
    return r;
}

template <typename T>
std::vector<int> All(const T& values) {
    return std::vector<int>(std::begin(values), std::end(values));
}

// One character of each stroke count the table holds, and one it lacks.
std::vector<std::string> OneCharacterPerCount() {
    std::vector<std::string> chars(kMaxStrokes + 1);
    for (int lead = 0x81; lead <= 0xFC; ++lead)
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const char ch[3] = {static_cast<char>(lead), static_cast<char>(trail), 0};
            const int count = TheStrokeTable().StrokeCount(ch);
            if (count > 0 && chars[count].empty()) chars[count] = ch;
        }
    chars[0] = "ゐ";
    for (int k = 1; k <= kMaxStrokes; ++k) EXPECT_FALSE(chars[k].empty()) << k;
    return chars;
}

}  // namespace

TEST(Judgement, WorkedExamplesOfEveryMethod) {
    const struct {
        const char* surname;
        const char* given;
        std::vector<int> strokes, grids, scores;
    } names[] = {
        {"山田", "太郎", {3, 5, 4, 9}, {8, 9, 13, 12, 21}, {346, 39, 100, 100}},
        {"林", "一", {8, 1}, {8, 9, 1, 9, 9}, {231, 26, 95, 70}},
        {"佐々木", "健太郎", {7, 3, 4, 11, 4, 9}, {14, 15, 24, 23, 38}, {450, 100, 100, 75}},
    };
    for (const auto& name : names) {
        CNameRecord r;
        r.Analyse(name.surname, name.given);
        EXPECT_EQ(std::vector<int>(r.strokes, r.strokes + name.strokes.size()), name.strokes) << name.surname;
        EXPECT_EQ(All(r.grids), name.grids) << name.surname;
        EXPECT_EQ(All(r.scores), name.scores) << name.surname;
        EXPECT_EQ(All(r.grids), name.grids);
    }
    const struct {
        std::vector<int> grids;
        int strokeScore;
    } strokeCases[] = {{{8, 9, 13, 12, 21}, 346}, {{1, 1, 1, 1, 1}, kMethodMaxima[0]}, {{10, 20, 10, 20, 10}, 5},
                       {{45, 20, 45, 70, 90}, 188}, {{82, 82, 82, 82, 82}, 27 * 4 + 27 + 13 + 20},
                       {{161, 161, 161, 161, 161}, kMethodMaxima[0]}};
    for (const auto& c : strokeCases) EXPECT_EQ(J().StrokeScore(WithGrids(c.grids)), c.strokeScore) << c.strokeScore;
    for (int g = 0; g < kGridCount; ++g) {
        std::vector<int> grids{8, 9, 13, 12, 21};
        grids[g] = 0;  // a grid of missing characters
        EXPECT_EQ(J().StrokeScore(WithGrids(grids)), -1) << g;
    }
    CNameRecord r = WithGrids({8, 7, 5, 6, 13});
    EXPECT_EQ(J().ElementScore(r), 55);
    EXPECT_EQ(All(r.elementPoints), (std::vector<int>{1, 25, 25, 4}));
    r = WithGrids({1, 11, 21, 31, 41});
    EXPECT_EQ(J().ElementScore(r), 74);
    CNameRecord missing = WithGrids({0, 0, 13, 12, 0});  // a grid of 0 is 木, as 1 is
    CNameRecord one = WithGrids({1, 1, 13, 12, 1});
    EXPECT_EQ(J().ElementScore(missing), J().ElementScore(one));

    const struct {
        std::vector<int> counts;
        int surnameLength, yinYang;
    } yinYangCases[] = {
        {{3, 5}, 1, 30}, {{3, 4}, 1, 95}, {{3, 5, 7}, 1, 15}, {{3, 5, 4}, 2, 95}, {{3, 3, 4}, 1, 35},
        {{1, 2, 2, 1}, 2, 15}, {{1, 1, 2, 2}, 2, 100}, {{1, 1, 2, 2}, 1, 35}, {{1, 1, 1, 1, 1}, 2, 5},
        {{1, 1, 1, 1, 2}, 2, 20}, {{1, 1, 1, 2, 1}, 2, 5}, {{1, 2, 2, 2, 1}, 2, 40}, {{1, 2, 2, 1, 2}, 2, 55},
        {{1, 2, 1, 2, 1}, 2, 100}, {{1, 1, 2, 1, 1}, 2, 65}, {{8}, 1, 0},
        // The run stops at a missing character; the first one is in it as even.
        {{3, 0, 4, 9}, 2, 0}, {{3, 5, 0, 0}, 2, 30}, {{0, 3}, 1, 95},
        // A run ending inside the surname: the missing seam character is even.
        {{1, 2, 3, 0}, 3, 95}, {{1, 3, 2, 0}, 3, 35}, {{2, 1, 1, 2, 0}, 4, 35}, {{2, 1, 1, 1, 2, 0}, 5, 40},
    };
    for (const auto& c : yinYangCases)
        EXPECT_EQ(J().YinYangScore(WithStrokes(c.counts, c.surnameLength)), c.yinYang)
            << c.counts.size() << " characters, " << c.surnameLength << " in the surname";

    const struct {
        std::vector<int> counts;
        int surnameLength, sameStroke;
    } sameStrokeCases[] = {{{3, 5, 12, 3}, 2, 90}, {{8, 1}, 1, 70}, {{1, 11}, 1, 100 - 30 - 25 - 30},
                           {{3, 13, 2}, 1, 80}, {{10, 10, 10, 10}, 2, 0}, {{10, 20}, 1, 0}};
    for (const auto& c : sameStrokeCases)
        EXPECT_EQ(J().SameStrokeScore(WithStrokes(c.counts, c.surnameLength)), c.sameStroke) << c.sameStroke;
}

TEST(Judgement, EveryNameScoresInRangeAndReEvaluationEqualsAnalysis) {
    const std::vector<std::string> chars = OneCharacterPerCount();
    std::mt19937 random(20261207);
    auto name = [&] {
        std::string text;
        for (int n = 1 + random() % 5; n > 0; --n) text += chars[random() % chars.size()];
        return text;
    };
    const std::vector<int> yinYangScores{0, 5, 15, 20, 30, 35, 40, 55, 65, 95, 100};
    std::string heaviest;
    for (int i = 0; i < 5; ++i) heaviest += chars[kMaxStrokes];
    for (int trial = 0; trial < 100000 && !HasFailure(); ++trial) {
        const std::string surname = trial == 0 ? heaviest : name();
        const std::string given = trial == 0 ? heaviest : name();
        CNameRecord r;
        r.Analyse(surname.c_str(), given.c_str());
        SCOPED_TRACE(surname + " " + given);
        EXPECT_TRUE(r.scores[0] >= -1 && r.scores[0] <= kMethodMaxima[0]);
        EXPECT_TRUE(r.scores[1] >= 4 && r.scores[1] <= kMethodMaxima[1]);
        EXPECT_TRUE(r.scores[2] >= 0 && r.scores[2] <= kMethodMaxima[2]);
        EXPECT_TRUE(r.scores[3] >= 0 && r.scores[3] <= kMethodMaxima[3]);
        EXPECT_NE(std::find(yinYangScores.begin(), yinYangScores.end(), r.scores[2]), yinYangScores.end());
        EXPECT_EQ(r.totalScore, r.scores[0] + r.scores[1] + r.scores[2] + r.scores[3]);
        EXPECT_EQ(r.scores[1], r.elementPoints[0] + r.elementPoints[1] + r.elementPoints[2] + r.elementPoints[3]);
        // The searches re-score a record by changing its given-name strokes.
        std::string otherGiven;
        for (size_t i = 0; i < given.size(); i += 2) otherGiven += chars[random() % chars.size()];
        CNameRecord other;
        other.Analyse(surname.c_str(), otherGiven.c_str());
        CNameRecord searched = r;
        std::copy(other.strokes, other.strokes + kMaxCharacters, searched.strokes);
        searched.Evaluate();
        EXPECT_EQ(All(searched.grids), All(other.grids));
        EXPECT_EQ(All(searched.scores), All(other.scores));
        EXPECT_EQ(searched.totalScore, other.totalScore);
    }
}

TEST(Judgement, OddTextsStayWithinTheRecord) {
    const std::string longText(100, 'a');
    CNameRecord r;
    r.Analyse(longText.c_str(), longText.c_str());
    EXPECT_EQ(std::string(r.surname).size(), sizeof r.surname - 1);
    EXPECT_LE(r.surnameLength + r.givenLength, kMaxCharacters);
    r.Analyse("山田a", "太郎");  // a half-width byte at the end is no character
    EXPECT_EQ(r.surnameLength, 2);
    EXPECT_EQ(All(r.grids), (std::vector<int>{8, 9, 13, 12, 21}));
}

// Every integer score of every scale agrees with exact arithmetic:
// (score - lower) / ((upper - lower) / 6), truncated, at most 6.
// A score exactly on a step lands on the higher level; the steps are exact
// sixths, so no level falls to rounding.
TEST(Judgement, RatingStepsLandOnTheHigherLevel) {
    const struct {
        RatingBounds bounds;
        int score, level;
    } cases[] = {{kMethodRatingBounds[0], 200, 0}, {kMethodRatingBounds[0], 201, 0}, {kMethodRatingBounds[0], 250, 1},
                 {kMethodRatingBounds[0], 500, 6}, {kMethodRatingBounds[0], 625, 6}, {kMethodRatingBounds[0], -1, 0},
                 {kMethodRatingBounds[1], 52, 2},  {kMethodRatingBounds[1], 95, 6},  {kTotalRatingBounds, 251, 0},
                 {kTotalRatingBounds, 334, 1},     {kTotalRatingBounds, 333, 0},     {kTotalRatingBounds, 750, 6}};
    for (const auto& c : cases) EXPECT_EQ(RatingLevel(c.score, c.bounds.lower, c.bounds.upper), c.level) << c.score;
}
