#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "rank_list.h"

using namespace hoshikura;

namespace {

struct Row {
    std::string surname;
    std::string givenName;
    int32_t score;
};

bool operator==(const Row& a, const Row& b) {
    return a.surname == b.surname && a.givenName == b.givenName && a.score == b.score;
}

std::ostream& operator<<(std::ostream& out, const Row& row) {
    return out << '{' << row.surname << ' ' << row.givenName << ' ' << row.score << '}';
}

const Row kEmpty{"---", "---", 0};

// Writes rows from the top as the registry store would, leaving the rest
// empty.
void Load(CRankList& list, const std::vector<Row>& rows) {
    list.Clear();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::strcpy(list.surnames[i], rows[i].surname.c_str());
        std::strcpy(list.givenNames[i], rows[i].givenName.c_str());
        list.scores[i] = rows[i].score;
    }
}

// All ten rows, each field read within its 12 bytes.
std::vector<Row> Rows(const CRankList& list) {
    std::vector<Row> rows;
    for (int i = 0; i < kRankRows; ++i)
        rows.push_back({std::string(list.surnames[i], strnlen(list.surnames[i], kRankNameSize)),
                        std::string(list.givenNames[i], strnlen(list.givenNames[i], kRankNameSize)),
                        list.scores[i]});
    return rows;
}

std::vector<Row> Padded(std::vector<Row> top) {
    while (top.size() < static_cast<std::size_t>(kRankRows)) top.push_back(kEmpty);
    return top;
}

class RankListsTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Garbage first, so Clear has to do the emptying.
        std::memset(&lists, 0x7F, sizeof lists);
        lists.Clear();
    }
    CRankLists lists;
};

}  // namespace

// The registry store reads and writes these arrays byte for byte.
static_assert(offsetof(CRankList, surnames) == 0, "surnames first");
static_assert(offsetof(CRankList, givenNames) == 120, "given names after ten 12-byte surnames");
static_assert(offsetof(CRankList, scores) == 240, "scores last");
static_assert(sizeof(CRankList) == 280, "no padding");
static_assert(offsetof(CRankLists, best) == 0, "best list first");

TEST_F(RankListsTest, ClearEmptiesEveryRowOfBothLists) {
    lists.OfferName("山田", "太郎", 585);
    lists.Clear();
    EXPECT_EQ(Rows(lists.best), Padded({}));
    EXPECT_EQ(Rows(lists.worst), Padded({}));
    // The bytes after each placeholder are fixed, since they are stored.
    for (int i = 0; i < kRankRows; ++i)
        for (int b = 4; b < kRankNameSize; ++b) {
            EXPECT_EQ(lists.best.surnames[i][b], '\0');
            EXPECT_EQ(lists.worst.givenNames[i][b], '\0');
        }
}

// ---- Best list -------------------------------------------------------------

TEST_F(RankListsTest, BestEqualScoreGoesAboveTheStoredOnes) {
    Load(lists.best, {{"a", "a", 90}, {"b", "b", 80}, {"c", "c", 80}, {"d", "d", 70}});
    lists.OfferName("n", "n", 80);
    EXPECT_EQ(Rows(lists.best),
              Padded({{"a", "a", 90}, {"n", "n", 80}, {"b", "b", 80}, {"c", "c", 80}, {"d", "d", 70}}));
}

class FullBestList : public RankListsTest {
protected:
    void SetUp() override {
        RankListsTest::SetUp();
        // 150, 140, ..., 70, 60.
        std::vector<Row> rows;
        for (int i = 0; i < kRankRows; ++i)
            rows.push_back({std::string(1, static_cast<char>('a' + i)), "x", 150 - 10 * i});
        Load(lists.best, rows);
        before = Rows(lists.best);
    }
    std::vector<Row> before;
};

TEST_F(FullBestList, BelowTheLowestIsRejected) {
    lists.OfferName("n", "n", 59);
    EXPECT_EQ(Rows(lists.best), before);
}

TEST_F(FullBestList, EqualToTheLowestOverwritesRowNine) {
    lists.OfferName("n", "n", 60);
    std::vector<Row> expected = before;
    expected[9] = {"n", "n", 60};
    EXPECT_EQ(Rows(lists.best), expected);
}

TEST_F(FullBestList, TieAcrossRowsEightAndNinePushesOnlyRowNineOut) {
    lists.best.scores[8] = 60;  // rows 8 and 9 both 60
    before = Rows(lists.best);
    lists.OfferName("n", "n", 60);
    std::vector<Row> expected(before.begin(), before.begin() + 8);
    expected.push_back({"n", "n", 60});
    expected.push_back(before[8]);
    EXPECT_EQ(Rows(lists.best), expected);
}

// ---- One person at most once per list ---------------------------------------

TEST_F(RankListsTest, ReofferedNameBelowANewerEqualOneIsNotAddedAgain) {
    lists.OfferName("A", "a", 80);
    lists.OfferName("B", "b", 80);
    lists.OfferName("A", "a", 80);
    EXPECT_EQ(Rows(lists.best), Padded({{"B", "b", 80}, {"A", "a", 80}}));
    EXPECT_EQ(Rows(lists.worst), Padded({{"B", "b", 80}, {"A", "a", 80}}));
}

TEST_F(RankListsTest, NameAnywhereInTheListBlocksTheOffer) {
    Load(lists.best, {{"a", "a", 90}, {"b", "b", 80}, {"c", "c", 70}, {"d", "d", 60}});
    const std::vector<Row> before = Rows(lists.best);
    lists.OfferName("d", "d", 95);  // would go to row 0; d stands in row 3
    EXPECT_EQ(Rows(lists.best), before);
}

TEST_F(RankListsTest, TypedPlaceholderNameEntersOnceDespiteEmptyRows) {
    lists.OfferName("---", "---", 70);
    EXPECT_EQ(Rows(lists.best), Padded({{"---", "---", 70}}));
    EXPECT_EQ(Rows(lists.worst), Padded({{"---", "---", 70}}));
    lists.OfferName("---", "---", 70);
    EXPECT_EQ(Rows(lists.best), Padded({{"---", "---", 70}}));
    EXPECT_EQ(Rows(lists.worst), Padded({{"---", "---", 70}}));
}

TEST_F(RankListsTest, NameLeftInAnEmptyRowDoesNotBlock) {
    // A stored row with score 0 counts as empty whatever its texts say.
    Load(lists.worst, {{"a", "a", 10}, {"n", "n", 0}});
    lists.OfferName("n", "n", 20);
    EXPECT_EQ(Rows(lists.worst), Padded({{"a", "a", 10}, {"n", "n", 20}, {"n", "n", 0}}));
}

// ---- Rows as loaded from storage ---------------------------------------------

TEST_F(RankListsTest, OutOfOrderRowsAreUsedAsStored) {
    Load(lists.best, {{"a", "a", 50}, {"b", "b", 90}, {"c", "c", 70}});
    Load(lists.worst, {{"d", "d", 40}, {"e", "e", 10}, {"f", "f", 30}});
    // 60 beats row 0 of the best list although 90 stands below it; no stored
    // worst score reaches 60, so it takes the first empty row there.
    lists.OfferName("n", "n", 60);
    EXPECT_EQ(Rows(lists.best),
              Padded({{"n", "n", 60}, {"a", "a", 50}, {"b", "b", 90}, {"c", "c", 70}}));
    EXPECT_EQ(Rows(lists.worst),
              Padded({{"d", "d", 40}, {"e", "e", 10}, {"f", "f", 30}, {"n", "n", 60}}));
    // 35 beats no filled best row; in the worst list it goes above 40 in row 0
    // although 10 and 30 stand below.
    lists.OfferName("m", "m", 35);
    EXPECT_EQ(Rows(lists.best), Padded({{"n", "n", 60}, {"a", "a", 50}, {"b", "b", 90},
                                        {"c", "c", 70}, {"m", "m", 35}}));
    EXPECT_EQ(Rows(lists.worst), Padded({{"m", "m", 35}, {"d", "d", 40}, {"e", "e", 10},
                                         {"f", "f", 30}, {"n", "n", 60}}));
}

TEST_F(RankListsTest, UnterminatedStoredFieldIsMatchedAndMovedWithinItsTwelveBytes) {
    Load(lists.best, {{"a", "a", 80}});
    std::memset(lists.best.surnames[0], 'x', kRankNameSize);  // no NUL in the field
    lists.OfferName("xxxxxxxxxxx", "a", 90);  // 11 bytes: not the stored 12
    EXPECT_STREQ(lists.best.surnames[0], "xxxxxxxxxxx");
    EXPECT_EQ(lists.best.scores[0], 90);
    // The stored row moved down byte for byte, neither cut nor spilling over.
    EXPECT_EQ(std::memcmp(lists.best.surnames[1], "xxxxxxxxxxxx", kRankNameSize), 0);
    EXPECT_STREQ(lists.best.givenNames[1], "a");
    EXPECT_EQ(lists.best.scores[1], 80);
}

// ---- Bounded names ------------------------------------------------------------

TEST_F(RankListsTest, OverLongNamesAreCutOnACharacterBoundaryAndTerminated) {
    // 12 bytes of kanji keep five characters; "ab" plus five kanji (12 bytes)
    // keeps "ab" and four, since the fifth would need bytes 10 and 11.
    lists.OfferName("一二三四五六", "ab一二三四五", 70);
    EXPECT_STREQ(lists.best.surnames[0], "一二三四五");
    EXPECT_STREQ(lists.best.givenNames[0], "ab一二三四");
    EXPECT_STREQ(lists.worst.surnames[0], "一二三四五");
    EXPECT_STREQ(lists.worst.givenNames[0], "ab一二三四");
    // Row 1 is untouched by the cut copy.
    EXPECT_EQ(Rows(lists.best)[1], kEmpty);
}

TEST_F(RankListsTest, OverLongNameOfferedAgainIsRecognised) {
    lists.OfferName("一二三四五六", "太郎", 70);
    lists.OfferName("一二三四五六", "太郎", 70);
    EXPECT_EQ(Rows(lists.best), Padded({{"一二三四五", "太郎", 70}}));
    EXPECT_EQ(Rows(lists.worst), Padded({{"一二三四五", "太郎", 70}}));
}
