#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fortune_table.h"
#include "judge.h"
#include "recording_sink.h"
#include "sjis_text.h"

using namespace hoshikura;

namespace {

const CFortuneTable& Table() {
    static CFortuneTable* table = [] {
        auto* t = new CFortuneTable;
        t->LoadBuiltIn();
        return t;
    }();
    return *table;
}

struct Range {
    size_t min, max;
    int lastNumber;
};
const Range kRanges[kFortuneKinds] = {{74, 394, 71}, {34, 306, 71}, {32, 322, 71}, {102, 446, 81}};

bool StartsWith(const char* text, const char* prefix) {
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

}  // namespace

TEST(FortuneTable, LengthsInShiftJisBytesAndEmptyRanges) {
    for (int kind = 0; kind < kFortuneKinds; ++kind) {
        for (int n = 1; n <= 81; ++n) {
            const size_t length = std::strlen(Table().FortuneText(kind, n));
            if (n > kRanges[kind].lastNumber) {
                EXPECT_EQ(length, 0u) << kind << "/" << n;
            } else {
                EXPECT_GE(length, kRanges[kind].min) << kind << "/" << n;
                EXPECT_LE(length, kRanges[kind].max) << kind << "/" << n;
            }
        }
    }
}

TEST(FortuneTable, TextsAreWholeFullWidthProse) {
    for (int kind = 0; kind < kFortuneKinds; ++kind) {
        for (int n = 1; n <= 81; ++n) {
            const char* text = Table().FortuneText(kind, n);
            for (const char* p = text; *p; p += 2) {
                // Every character is a two-byte one: no line break, tab, '%' or
                // other half-width byte can hide in the prose.
                ASSERT_TRUE(IsLeadByte(static_cast<unsigned char>(*p))) << kind << "/" << n;
                ASSERT_NE(p[1], '\0') << kind << "/" << n;
            }
        }
    }
}

TEST(FortuneTable, TellingRows) {
    EXPECT_TRUE(StartsWith(Table().FortuneText(3, 1), "この数を総画に持つ人は、順風満帆、名誉や財産、幸運に恵まれた"));
    EXPECT_TRUE(StartsWith(Table().FortuneText(0, 10), "病弱で交通事故や災難に遭いやすく貧困に苦しみ、"));
    EXPECT_TRUE(StartsWith(Table().FortuneText(3, 81), "健康で長生きする運です。"));
    EXPECT_EQ(std::strlen(Table().FortuneText(3, 81)), 122u);
    int personOpenings = 0;
    int totalOpenings = 0;
    for (int n = 1; n <= 81; ++n) {
        personOpenings += StartsWith(Table().FortuneText(0, n), "この数を人格に持つ人は");
        totalOpenings += StartsWith(Table().FortuneText(3, n), "この数を総画に持つ人は");
    }
    EXPECT_EQ(personOpenings, 6);
    EXPECT_EQ(totalOpenings, 1);
}

TEST(FortuneTable, NoTextIsACopyOfAnother) {
    for (int kind = 0; kind < kFortuneKinds; ++kind)
        for (int a = 1; a <= 71; ++a)
            for (int b = a + 1; b <= 71; ++b)
                EXPECT_STRNE(Table().FortuneText(kind, a), Table().FortuneText(kind, b)) << kind;
}

TEST(FortuneTable, OutOfRangeNeverFails) {
    for (auto [kind, n] : {std::pair{4, 1}, {-1, 1}, {0, 0}, {0, 82}, {3, 82}, {3, -7}})
        EXPECT_STREQ(Table().FortuneText(kind, n), "エラー（out range of index）");
    EXPECT_STREQ(Table().FortuneText(0, 75), "");
    EXPECT_GT(std::strlen(Table().FortuneText(3, 75)), 0u);
}

TEST(FortuneTable, SetFortuneCopiesAndReplaces) {
    CFortuneTable table;
    EXPECT_STREQ(table.FortuneText(0, 5), "");  // empty, never null, before loading
    char text[] = "吉";
    table.SetFortune(5, text, "", nullptr, "総");
    text[0] = 'x';
    EXPECT_STREQ(table.FortuneText(0, 5), "吉");
    EXPECT_STREQ(table.FortuneText(2, 5), "");
    table.SetFortune(5, "再", "", "", "");
    EXPECT_STREQ(table.FortuneText(0, 5), "再");
    table.SetFortune(82, "x", "x", "x", "x");  // ignored
    EXPECT_STREQ(table.FortuneText(3, 5), "");
}
