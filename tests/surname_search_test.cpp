#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "name_search_oracle.h"
#include "surname_search.h"

using namespace hoshikura;
using oracle::Store;

namespace {

CSurnameSearch Searched(const char* given, int good) {
    CSurnameSearch s;
    s.SetQuery(good, given);
    s.RunSearch(Store());
    return s;
}

// Every sample surname judged with the given name, in list order.
std::vector<oracle::Ranked> Expected(const std::string& given, bool good) {
    std::vector<oracle::Ranked> met;
    for (int i = 0; i < Store().GetSampleSeiCount(); ++i) {
        char surname[12] = "";
        Store().GetSampleSei(i, surname);
        met.push_back({surname, "", oracle::ScoreOf(surname, given)});
    }
    return oracle::TopRows(met, good);
}

int RowsOf(const CSurnameSearch& s, const char* surname) {
    int rows = 0;
    for (int i = 0; i < s.resultCount; ++i) rows += std::strcmp(s.results[i].surname, surname) == 0;
    return rows;
}

}  // namespace

TEST(SurnameSearch, RankingsMatchEverySurnameScoredAndSorted) {
    // Given names of one to five characters, in kana, and with a character
    // the stroke table lacks (scored as 0 strokes).
    for (const char* given : {"翔", "太郎", "健太郎", "寿限無寿", "寿限無寿限", "ひろし", "ゐ"}) {
        for (int good : {1, 0}) {
            const CSurnameSearch s = Searched(given, good);
            const auto expected = Expected(given, good);
            ASSERT_EQ(s.resultCount, 200) << given;
            for (int i = 0; i < 200; ++i) {
                EXPECT_EQ(s.results[i].surname, expected[i].text) << given << " row " << i;
                EXPECT_EQ(s.results[i].score, expected[i].score) << given << " row " << i;
            }
            EXPECT_GT(oracle::TiedPairs(s.results, s.resultCount), 0) << given;
        }
    }
}

TEST(SurnameSearch, TheTwoHundredFirstRowFallsOffTheWorstRanking) {
    CSurnameSearch s;
    s.SetQuery(0, "太郎");
    CNameRecord r;
    r.Analyse("山田", "太郎");
    for (int i = 0; i < 200; ++i) s.InsertResult(r);
    ASSERT_EQ(s.resultCount, 200);
    CNameRecord better = r;
    better.totalScore += 1;
    std::strcpy(better.surname, "林");
    s.InsertResult(better);  // a higher score is worse here: dropped
    EXPECT_EQ(RowsOf(s, "林"), 0);
    CNameRecord worse = r;
    worse.totalScore -= 1;
    std::strcpy(worse.surname, "菅");
    s.InsertResult(worse);
    EXPECT_STREQ(s.results[0].surname, "菅");
    EXPECT_EQ(s.results[0].score, r.totalScore - 1);
    EXPECT_EQ(s.resultCount, 200);
    EXPECT_EQ(RowsOf(s, "山田"), 199);
}

TEST(SurnameSearch, QueryIsBoundedAndFlagged) {
    CSurnameSearch s;
    EXPECT_EQ(s.wantGood, 1);
    s.SetQuery(WantsGood("BAD"), "寿限無寿限無");
    EXPECT_EQ(s.wantGood, 0);
    EXPECT_STREQ(s.givenName, "寿限無寿限");
}
