// Stroke counts as the data lists say: every kanji allowed in names counted,
// both codes of every vendor kanji alike, the left-out characters at 0.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "stroke_table.h"

using namespace hoshikura;

namespace {

int Count(const std::string& ch) { return TheStrokeTable().StrokeCount(ch.c_str()); }

// Every common-use and name-use kanji that code page 932 can encode.
const char kNameKanji[] =
#include "data/name_kanji.inc"
    ;

// Linear position of a two-byte code among the codes 0x40..0xFC (without
// 0x7F) of its lead byte and those before it.
int Position(unsigned lead, unsigned trail) { return static_cast<int>(lead * 188 + trail - (trail < 0x7F ? 0x40 : 0x41)); }

std::string CodeAt(int position) {
    const int offset = position % 188;
    const char code[] = {static_cast<char>(position / 188), static_cast<char>(offset + (offset < 0x3F ? 0x40 : 0x41))};
    return std::string(code, 2);
}

}  // namespace

TEST(StrokeTable, CountsEveryKanjiAllowedInNamesAndNoLeftOutCharacter) {
    ASSERT_GT(std::strlen(kNameKanji), 0u);
    for (const char* p = kNameKanji; *p; p += 2) EXPECT_GT(Count(std::string(p, 2)), 0) << std::string(p, 2);
    for (const char* ch : {"　", "ゎ", "ゐ", "ゑ", "ヮ", "ヰ", "ヱ", "ヵ", "ヶ", "、", "Ａ", "ab", "\x81", ""})
        EXPECT_EQ(Count(ch), 0) << ch;
}

// The NEC-selected IBM extension kanji 0xED40..0xEEEC are the IBM extension
// kanji from 0xFA5C, in the same order: both codes of a kanji count alike,
// and no other vendor code is held.
TEST(StrokeTable, BothCodesOfEveryVendorKanjiCountAlike) {
    const int necFirst = Position(0xED, 0x40), necLast = Position(0xEE, 0xEC);
    const int ibmFirst = Position(0xFA, 0x5C);
    for (int p = necFirst; p <= necLast; ++p) {
        EXPECT_GT(Count(CodeAt(p)), 0) << std::hex << p;
        EXPECT_EQ(Count(CodeAt(p)), Count(CodeAt(ibmFirst + p - necFirst))) << std::hex << p;
    }
    int vendorCodes = 0;
    for (int p = Position(0xED, 0x40); p <= Position(0xFC, 0xFC); ++p) vendorCodes += Count(CodeAt(p)) > 0;
    EXPECT_EQ(vendorCodes, 2 * (necLast - necFirst + 1));
}
