// Score ranges hold for every name: names of one to five characters each,
// built from a sample of every stroke count the table holds, plus missing
// characters.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "name_record.h"
#include "stroke_table.h"

using namespace hoshikura;

namespace {

// One character of each stroke count 1..30, and one the table does not hold.
std::vector<std::string> SampleCharacters() {
    std::vector<std::string> chars;
    for (int k = 1; k <= kMaxStrokes; ++k) chars.emplace_back(kStrokeTexts[k - 1], 2);
    chars.push_back("ゐ");
    return chars;
}

void ExpectInRange(const CNameRecord& r) {
    EXPECT_GE(r.scores[0], -1);
    EXPECT_LE(r.scores[0], 625);
    EXPECT_GE(r.scores[1], 4);
    EXPECT_LE(r.scores[1], 100);
    EXPECT_GE(r.scores[2], 0);
    EXPECT_LE(r.scores[2], 100);
    EXPECT_GE(r.scores[3], 0);
    EXPECT_LE(r.scores[3], 100);
    EXPECT_EQ(r.totalScore, r.scores[0] + r.scores[1] + r.scores[2] + r.scores[3]);
    EXPECT_EQ(r.scores[1], r.elementPoints[0] + r.elementPoints[1] + r.elementPoints[2] + r.elementPoints[3]);
    for (int i = 0; i < kGridCount; ++i) EXPECT_GE(r.grids[i], 0);
}

}  // namespace

TEST(ScoreRange, EveryScoreStaysInItsRangeOverManyNames) {
    const std::vector<std::string> chars = SampleCharacters();
    std::mt19937 random(20261207);
    std::uniform_int_distribution<size_t> pick(0, chars.size() - 1);
    std::uniform_int_distribution<int> length(1, 5);
    const int yinYangScores[] = {0, 5, 15, 20, 30, 35, 40, 55, 65, 95, 100};
    for (int trial = 0; trial < 200000; ++trial) {
        std::string surname, given;
        for (int i = length(random); i > 0; --i) surname += chars[pick(random)];
        for (int i = length(random); i > 0; --i) given += chars[pick(random)];
        CNameRecord r;
        r.Analyse(surname.c_str(), given.c_str());
        ExpectInRange(r);
        EXPECT_NE(std::find(std::begin(yinYangScores), std::end(yinYangScores), r.scores[2]),
                  std::end(yinYangScores));
        if (HasFailure()) {
            ADD_FAILURE() << surname << " " << given;
            return;
        }
    }
}

TEST(ScoreRange, HeaviestNamesStayInRange) {
    std::string heavy;
    for (int i = 0; i < 5; ++i) heavy += std::string(kStrokeTexts[kMaxStrokes - 1], 2);
    CNameRecord r;
    r.Analyse(heavy.c_str(), heavy.c_str());
    EXPECT_EQ(r.total, 300);
    ExpectInRange(r);
}
