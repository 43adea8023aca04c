#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "kana_fold.h"
#include "sjis_text.h"

using namespace hoshikura;

TEST(SjisText, CopyCutsOnACharacterBoundary) {
    char out[6];
    // Five bytes of room: two whole characters, never half of the third.
    EXPECT_EQ(CopyText(out, sizeof out, "山田太郎"), 4u);
    EXPECT_STREQ(out, "山田");
    EXPECT_EQ(CopyText(out, sizeof out, "ab山田"), 4u);
    EXPECT_STREQ(out, "ab山");
    EXPECT_EQ(CopyText(out, sizeof out, "abc山田"), 5u);
    EXPECT_STREQ(out, "abc山");
}

TEST(SjisText, CopyOfALoneLeadByteAtTheCutDropsIt) {
    char out[3];
    const char text[] = {'a', 'b', '\x95', '\0'};
    CopyText(out, sizeof out, text);
    EXPECT_STREQ(out, "ab");
}

TEST(SjisText, FormatIsBoundedAndNeverSplitsACharacter) {
    char out[8];
    FormatText(out, sizeof out, "%s%s", "表示", "表示");  // 表 has the trail byte 0x5C
    EXPECT_STREQ(out, "表示表");
    FormatText(out, sizeof out, "x%s", "表示表示");
    EXPECT_STREQ(out, "x表示表");
    EXPECT_EQ(std::strlen(out), 7u);
}

TEST(SjisText, KatakanaFoldsToTheMatchingHiragana) {
    std::string text = "ァアィイゥウェエォオカガキギクグケゲコゴサザシジスズセゼソゾタダチヂッツヅテデトド"
                       "ナニヌネノハバパヒビピフブプヘベペホボポマミムメモャヤュユョヨラリルレロヮワヰヱヲン";
    FoldKatakana(&text[0]);
    EXPECT_EQ(text, "ぁあぃいぅうぇえぉおかがきぎくぐけげこごさざしじすずせぜそぞただちぢっつづてでとど"
                    "なにぬねのはばぱひびぴふぶぷへべぺほぼぽまみむめもゃやゅゆょよらりるれろゎわゐゑをん");
    // No hiragana twin in the code page, or not katakana at all.
    text = "ヴヵヶー漢かなABCｱ";
    FoldKatakana(&text[0]);
    EXPECT_EQ(text, "ヴヵヶー漢かなABCｱ");
    // 0x83 as a trail byte (宴, 潟) does not start a character with the next byte.
    text = "宴A潟@\x83";
    FoldKatakana(&text[0]);
    EXPECT_EQ(text, "宴A潟@\x83");
}
