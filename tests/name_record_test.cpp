#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "name_record.h"
#include "recording_sink.h"

using namespace hoshikura;

namespace {

CNameRecord Judged(const char* surname, const char* given) {
    CNameRecord r;
    r.Analyse(surname, given);
    return r;
}

std::vector<int> Grids(const CNameRecord& r) { return std::vector<int>(r.grids, r.grids + kGridCount); }
std::vector<int> Scores(const CNameRecord& r) { return std::vector<int>(r.scores, r.scores + kMethodCount); }

}  // namespace

TEST(NameRecord, CompleteJudgementsOfTheWorkedNames) {
    struct Case {
        const char* surname;
        const char* given;
        std::vector<int> strokes, grids, scores;
        int total;
    } cases[] = {
        {"山田", "太郎", {3, 5, 4, 9}, {8, 9, 13, 12, 21}, {346, 39, 100, 100}, 585},
        {"林", "一", {8, 1}, {8, 9, 1, 9, 9}, {231, 26, 95, 70}, 422},
        {"佐々木", "健太郎", {7, 3, 4, 11, 4, 9}, {14, 15, 24, 23, 38}, {450, 100, 100, 75}, 725},
    };
    for (const Case& c : cases) {
        CNameRecord r = Judged(c.surname, c.given);
        EXPECT_EQ(std::vector<int>(r.strokes, r.strokes + c.strokes.size()), c.strokes) << c.surname;
        EXPECT_EQ(Grids(r), c.grids) << c.surname;
        EXPECT_EQ(Scores(r), c.scores) << c.surname;
        EXPECT_EQ(r.totalScore, c.total) << c.surname;
        EXPECT_EQ(r.heaven, r.grids[0]);
        EXPECT_EQ(r.person, r.grids[1]);
        EXPECT_EQ(r.earth, r.grids[2]);
        EXPECT_EQ(r.outer, r.grids[3]);
        EXPECT_EQ(r.total, r.grids[4]);
    }
    CNameRecord r = Judged("山田", "太郎");
    EXPECT_EQ(std::vector<int>(r.elementPoints, r.elementPoints + 4), (std::vector<int>{1, 1, 12, 25}));
}

TEST(NameRecord, MissingCharactersCountZero) {
    CNameRecord r = Judged("ゐ", "太郎");  // ゐ is not in the table
    EXPECT_EQ(r.strokes[0], 0);
    EXPECT_EQ(r.heaven, 0);
    EXPECT_EQ(r.scores[kStrokeMethod], -1);

    r = Judged("山田", "ゐゐ");
    EXPECT_EQ(r.earth, 0);
    EXPECT_EQ(r.scores[kStrokeMethod], -1);
}

TEST(NameRecord, MaximumLengthFillsTenEntriesAndLeavesTheRestZero) {
    CNameRecord r = Judged("長谷川田中", "寿限無寿限");
    EXPECT_EQ(r.surnameLength, 5);
    EXPECT_EQ(r.givenLength, 5);
    for (int i = 0; i < 10; ++i) EXPECT_GT(r.strokes[i], 0);
    for (int i = 10; i < kMaxCharacters; ++i) EXPECT_EQ(r.strokes[i], 0);
}

TEST(NameRecord, TrailingOddByteIsNotACharacter) {
    CNameRecord r = Judged("山田a", "太郎");
    EXPECT_EQ(r.surnameLength, 2);
    EXPECT_STREQ(r.surname, "山田a");
    EXPECT_EQ(Grids(r), (std::vector<int>{8, 9, 13, 12, 21}));
}

TEST(NameRecord, ReEvaluatingChangedStrokesMatchesAnalyse) {
    CNameRecord searched = Judged("山田", "名前");
    searched.strokes[2] = 4;
    searched.strokes[3] = 9;
    searched.Evaluate();
    CNameRecord direct = Judged("山田", "太郎");
    EXPECT_EQ(Grids(searched), Grids(direct));
    EXPECT_EQ(Scores(searched), Scores(direct));
    EXPECT_EQ(searched.totalScore, direct.totalScore);
}

TEST(NameRecord, OverlongTextsAreCutToTheRecord) {
    std::string longText(100, 'a');
    CNameRecord r = Judged(longText.c_str(), longText.c_str());
    EXPECT_EQ(std::string(r.surname).size(), 31u);
    EXPECT_LE(r.surnameLength + r.givenLength, kMaxCharacters);
}

TEST(NameRecord, SetGridOutsideTheFiveShowsErrorAndStoresNothing) {
    RecordingSink sink;
    CNameRecord r = Judged("山田", "太郎");
    r.SetGrid(5, 99);
    r.SetGrid(-1, 99);
    EXPECT_EQ(Grids(r), (std::vector<int>{8, 9, 13, 12, 21}));
    EXPECT_EQ(sink.shown, (std::vector<std::string>{"エラー", "エラー"}));
}
