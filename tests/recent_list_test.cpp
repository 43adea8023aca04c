#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "recent_list.h"

using namespace hoshikura;

namespace {

using Person = std::pair<std::string, std::string>;

std::vector<Person> Entries(const CRecentList& list) {
    std::vector<Person> entries;
    for (int k = 0; k < list.Entries(); ++k)
        entries.emplace_back(std::string(list.surnames[k], strnlen(list.surnames[k], kRecentNameSize)),
                             std::string(list.givenNames[k], strnlen(list.givenNames[k], kRecentNameSize)));
    return entries;
}

std::string Text(const CRecentList& list, int entry) {
    char text[kRecentItemTextSize];
    list.ItemText(entry, text, sizeof text);
    return text;
}

// Distinct one-kanji surnames with a shared given name.
std::string NthSurname(int i) {
    static const char* const kSurnames[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九",
                                            "十", "百", "千", "万", "上", "中", "下", "左", "右"};
    return kSurnames[i];
}

class RecentListTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::memset(&list, 0x7F, sizeof list);
        list.Clear();
    }
    void RememberFirst(int n) {
        for (int i = 0; i < n; ++i) ASSERT_TRUE(list.RememberPerson(NthSurname(i).c_str(), "太郎"));
    }
    CRecentList list;
};

}  // namespace

static_assert(offsetof(CRecentList, count) == 0, "count first");
static_assert(offsetof(CRecentList, surnames) == 4, "then sixteen 12-byte surnames");
static_assert(offsetof(CRecentList, givenNames) == 4 + 16 * 12, "then the given names");

// ---- Remembering -------------------------------------------------------------

TEST_F(RecentListTest, ClearLeavesNoEntriesAndZeroedFields) {
    list.RememberPerson("山田", "太郎");
    list.Clear();
    EXPECT_EQ(list.count, 0);
    for (int k = 0; k < kRecentEntries; ++k)
        for (int b = 0; b < kRecentNameSize; ++b) {
            EXPECT_EQ(list.surnames[k][b], '\0');
            EXPECT_EQ(list.givenNames[k][b], '\0');
        }
}

TEST_F(RecentListTest, NewestStandsFirst) {
    EXPECT_TRUE(list.RememberPerson("山田", "太郎"));
    EXPECT_TRUE(list.RememberPerson("田中", "花子"));
    EXPECT_EQ(Entries(list), (std::vector<Person>{{"田中", "花子"}, {"山田", "太郎"}}));
}

TEST_F(RecentListTest, ListedPersonKeepsItsPlace) {
    list.RememberPerson("山田", "太郎");
    list.RememberPerson("田中", "花子");
    list.RememberPerson("鈴木", "一郎");
    EXPECT_FALSE(list.RememberPerson("田中", "花子"));
    EXPECT_EQ(Entries(list),
              (std::vector<Person>{{"鈴木", "一郎"}, {"田中", "花子"}, {"山田", "太郎"}}));
}

TEST_F(RecentListTest, SameSurnameOtherGivenNameIsAnotherPerson) {
    list.RememberPerson("山田", "太郎");
    EXPECT_TRUE(list.RememberPerson("山田", "花子"));
    EXPECT_TRUE(list.RememberPerson("田中", "太郎"));
    EXPECT_EQ(list.count, 3);
}

TEST_F(RecentListTest, SeventeenthPersonPushesOutTheOldest) {
    RememberFirst(16);
    EXPECT_TRUE(list.RememberPerson("右", "太郎"));
    EXPECT_EQ(list.count, 16);
    const std::vector<Person> entries = Entries(list);
    EXPECT_EQ(entries.front(), Person("右", "太郎"));
    EXPECT_EQ(entries.back(), Person(NthSurname(1), "太郎"));  // "一" is gone
    EXPECT_EQ(list.CommandId(0), 40219);
    EXPECT_EQ(list.CommandId(15), 40204);
}

TEST_F(RecentListTest, PersonWithAnEmptyNameIsNotTaken) {
    EXPECT_FALSE(list.RememberPerson("", "太郎"));
    EXPECT_FALSE(list.RememberPerson("山田", ""));
    EXPECT_EQ(list.count, 0);
}

TEST_F(RecentListTest, OverLongNamesAreCutOnACharacterBoundary) {
    // Six kanji are 12 bytes: five fit the 11 bytes of a field.
    EXPECT_TRUE(list.RememberPerson("一二三四五六", "ab一二三四五"));
    EXPECT_STREQ(list.surnames[0], "一二三四五");
    EXPECT_STREQ(list.givenNames[0], "ab一二三四");
    EXPECT_FALSE(list.RememberPerson("一二三四五六", "ab一二三四五"));
    EXPECT_EQ(list.count, 1);
}

TEST_F(RecentListTest, PersonTakenFromTheListItselfIsSafe) {
    list.RememberPerson("山田", "太郎");
    list.RememberPerson("田中", "花子");
    list.count = 1;  // 山田 太郎 still lies in entry 1, outside the count
    EXPECT_TRUE(list.RememberPerson(list.surnames[1], list.givenNames[1]));
    EXPECT_EQ(Entries(list), (std::vector<Person>{{"山田", "太郎"}, {"田中", "花子"}}));
}

TEST_F(RecentListTest, DamagedCountNeverReachesPastTheArrays) {
    RememberFirst(3);
    const char* const newcomers[] = {"山田", "田中", "鈴木"};
    const int32_t damaged[] = {-1, 17, 0x7FFFFFFF};
    for (int i = 0; i < 3; ++i) {
        list.count = damaged[i];
        EXPECT_EQ(list.Entries(), damaged[i] < 0 ? 0 : 16);
        EXPECT_EQ(Text(list, 16), "");
        EXPECT_TRUE(list.RememberPerson(newcomers[i], "太郎"));
        EXPECT_EQ(list.count, damaged[i] < 0 ? 1 : 16);
    }
}

TEST_F(RecentListTest, AppendOldestKeepsStoredOrderAndRefusesLikeRemember) {
    EXPECT_TRUE(list.AppendOldest("山田", "太郎"));
    EXPECT_TRUE(list.AppendOldest("田中", "花子"));
    EXPECT_FALSE(list.AppendOldest("山田", "太郎"));
    EXPECT_FALSE(list.AppendOldest("", "一郎"));
    EXPECT_EQ(Entries(list), (std::vector<Person>{{"山田", "太郎"}, {"田中", "花子"}}));
    list.Clear();
    RememberFirst(16);
    EXPECT_FALSE(list.AppendOldest("右", "太郎"));
    EXPECT_EQ(list.count, 16);
}

// ---- Menu texts and ids -------------------------------------------------------

TEST_F(RecentListTest, ThreeEntriesNumberedFromTheNewestWithIdsFromTheOldest) {
    list.RememberPerson("鈴木", "一郎");
    list.RememberPerson("田中", "花子");
    list.RememberPerson("山田", "太郎");
    EXPECT_EQ(Text(list, 0), "&1 山田 太郎");
    EXPECT_EQ(Text(list, 2), "&3 鈴木 一郎");
    EXPECT_EQ(list.CommandId(0), 40206);
    EXPECT_EQ(list.CommandId(2), 40204);

    list.RememberPerson("佐藤", "次郎");
    EXPECT_EQ(Text(list, 0), "&1 佐藤 次郎");
    EXPECT_EQ(list.CommandId(0), 40207);
    EXPECT_EQ(Text(list, 1), "&2 山田 太郎");
    EXPECT_EQ(list.CommandId(1), 40206);
}

TEST_F(RecentListTest, EntriesNotInUseHaveNoCommandId) {
    RememberFirst(5);
    EXPECT_EQ(list.CommandId(5), 0);
    EXPECT_EQ(list.CommandId(-1), 0);
}

TEST_F(RecentListTest, EntriesTenToSixteenLeaveABlankAfterTheSkippedPrefix) {
    RememberFirst(16);
    EXPECT_EQ(Text(list, 9), "&10 " + NthSurname(6) + " 太郎");
    EXPECT_EQ(Text(list, 15), "&16 一 太郎");
    EXPECT_STREQ(RecentItemPerson(Text(list, 0).c_str()), (NthSurname(15) + " 太郎").c_str());
    EXPECT_STREQ(RecentItemPerson(Text(list, 9).c_str()), (" " + NthSurname(6) + " 太郎").c_str());
}

TEST_F(RecentListTest, ShortItemTextGivesAnEmptyPerson) {
    EXPECT_STREQ(RecentItemPerson("&1"), "");
    EXPECT_STREQ(RecentItemPerson(""), "");
}

TEST_F(RecentListTest, ItemTextOfUnterminatedFieldsStaysWithinEachField) {
    list.RememberPerson("山田", "太郎");
    std::memset(list.surnames[0], 'x', kRecentNameSize);
    std::memcpy(list.givenNames[0], "一二三四五六", kRecentNameSize);
    EXPECT_EQ(Text(list, 0), "&1 xxxxxxxxxxx 一二三四五");
}

TEST_F(RecentListTest, ItemTextIsCutToItsBuffer) {
    list.RememberPerson("山田", "太郎");
    char text[5];
    list.ItemText(0, text, sizeof text);
    EXPECT_STREQ(text, "&1 ");  // no half of "山" left at the end
    list.ItemText(3, text, sizeof text);
    EXPECT_STREQ(text, "");
}
