#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "name_search_oracle.h"
#include "reading_search.h"

using namespace hoshikura;
using oracle::Store;

namespace {

CReadingSearch Searched(const char* surname, const char* reading) {
    CReadingSearch s;
    s.SetQuery(surname, reading);
    s.RunSearch(Store());
    return s;
}

std::vector<oracle::Ranked> Expected(const std::string& surname, const std::string& reading) {
    return oracle::NameRanking(
        surname, [&](const oracle::Sample& s) { return s.reading == reading; }, false);
}

// A record of the given score, for insertion tests.
CNameRecord Scored(int score) {
    CNameRecord r;
    r.Analyse("山田", "太郎");
    r.totalScore = score;
    return r;
}

}  // namespace

TEST(ReadingSearch, RankingsMatchEveryDistinctFormScoredAndSorted) {
    int ties = 0;
    for (const char* reading : {"ひろし", "たろう", "みゆき", "たくみ", "しの"}) {
        for (const char* surname : {"林", "山田", "佐々木", "長谷川", "長谷川田中"}) {
            const CReadingSearch s = Searched(surname, reading);
            const auto expected = Expected(surname, reading);
            ASSERT_FALSE(expected.empty()) << reading;
            oracle::ExpectNameRows(s.results, s.resultCount, expected, surname);
            ties += oracle::TiedPairs(s.results, s.resultCount);
        }
    }
    EXPECT_GT(ties, 0);  // the comparison covered the order among equal scores
}

TEST(ReadingSearch, KatakanaFindsWhatHiraganaFinds) {
    const char* const pairs[][2] = {{"ヒロシ", "ひろし"}, {"ミユキ", "みゆき"}, {"ムツミ", "むつみ"},
                                    {"ショウ", "しょう"}, {"ケンタ", "けんた"}, {"ヒろし", "ひろし"}};
    for (const auto& pair : pairs) {
        const CReadingSearch typed = Searched("山田", pair[0]);
        const CReadingSearch hiragana = Searched("山田", pair[1]);
        ASSERT_GT(hiragana.resultCount, 0) << pair[1];
        EXPECT_STREQ(typed.reading, pair[0]);  // the title shows it as typed
        ASSERT_EQ(typed.resultCount, hiragana.resultCount) << pair[0];
        for (int i = 0; i < typed.resultCount; ++i) {
            EXPECT_STREQ(typed.results[i].written, hiragana.results[i].written);
            EXPECT_EQ(typed.results[i].score, hiragana.results[i].score);
        }
    }
}

TEST(ReadingSearch, AReadingOfTheFullTwentyBytesIsComparedWhole) {
    // The built-in readings stay shorter; one key gets a reading of the
    // store's limit.
    CSampleName store;
    const std::string full = "じゅげむじゅげむごこ";  // 20 bytes
    const std::string text = "一__" + full;
    const char* texts[] = {text.c_str()};
    ASSERT_EQ(store.SetSampleName(1, 0, texts, 1), 1);
    CReadingSearch s;
    s.SetQuery("山田", full.c_str());
    s.RunSearch(store);
    ASSERT_EQ(s.resultCount, 1);
    EXPECT_STREQ(s.results[0].written, "一");
    s.ClearResults();
    s.SetQuery("山田", (full + "う").c_str());
    s.RunSearch(store);
    EXPECT_EQ(s.resultCount, 0);
}

TEST(ReadingSearch, AnOverlongQueryIsCutOnACharacterBoundary) {
    CReadingSearch s;
    std::string fifty;
    for (int i = 0; i < 50; ++i) fifty += "あ";  // 100 bytes: the 50th does not fit whole
    s.SetQuery("長谷川田中村", fifty.c_str());
    EXPECT_EQ(std::string(s.reading), fifty.substr(0, 98));
    EXPECT_STREQ(s.surname, "長谷川田中");
    s.SetQuery("山田", (fifty.substr(0, 98) + "abc").c_str());
    EXPECT_EQ(std::strlen(s.reading), 99u);
    EXPECT_EQ(s.surname[sizeof s.surname - 1], '\0');
}

TEST(ReadingSearch, TheTwoHundredFirstRowFallsOff) {
    CReadingSearch s;
    s.SetQuery("山田", "ひろし");
    for (int i = 0; i < 200; ++i) s.InsertResult(Scored(500), ("n" + std::to_string(i)).c_str());
    ASSERT_EQ(s.resultCount, 200);
    EXPECT_STREQ(s.results[0].written, "n199");  // the later of equal scores first
    EXPECT_STREQ(s.results[199].written, "n0");

    s.InsertResult(Scored(499), "lower");  // worse than every row: dropped
    EXPECT_STREQ(s.results[199].written, "n0");
    s.InsertResult(Scored(500), "late");   // ties go in front, n0 falls off
    EXPECT_STREQ(s.results[0].written, "late");
    EXPECT_STREQ(s.results[199].written, "n1");
    s.InsertResult(Scored(900), "n5");     // a form already held is not offered again
    EXPECT_STREQ(s.results[0].written, "late");
    s.InsertResult(Scored(900), "top");
    EXPECT_STREQ(s.results[0].written, "top");
    EXPECT_STREQ(s.results[199].written, "n2");
    EXPECT_EQ(s.resultCount, 200);
    for (const NameResult& row : s.results) EXPECT_STREQ(row.reading, "");
}
