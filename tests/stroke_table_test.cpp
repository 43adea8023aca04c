#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "stroke_table.h"

using namespace hoshikura;

namespace {

int Count(const char* ch) { return TheStrokeTable().StrokeCount(ch); }

// Every common-use and name-use kanji that code page 932 can encode.
const char kNameKanji[] =
#include "data/name_kanji.inc"
    ;

// Every two-byte character of the table, with the count of texts holding it.
std::map<std::string, int> Occurrences() {
    std::map<std::string, int> seen;
    for (int k = 1; k <= kMaxStrokes; ++k) {
        const char* text = kStrokeTexts[k - 1];
        EXPECT_EQ(std::strlen(text) % 2, 0u) << "text " << k;
        for (const char* p = text; p[0] && p[1]; p += 2) ++seen[std::string(p, 2)];
    }
    return seen;
}

}  // namespace

// 6,355 JIS X 0208 kanji, 360 vendor kanji under two codes each, 80
// hiragana, 81 katakana and 13 others.
TEST(StrokeTable, HoldsEach7249CodesInExactlyOneText) {
    std::map<std::string, int> seen = Occurrences();
    EXPECT_EQ(seen.size(), 7249u);
    for (const auto& entry : seen) EXPECT_EQ(entry.second, 1) << entry.first;
    size_t total = 0;
    for (int k = 1; k <= kMaxStrokes; ++k) total += std::strlen(kStrokeTexts[k - 1]) / 2;
    EXPECT_EQ(total, 7249u);
}

// The lookup answers what a scan of the texts answers, for every two-byte
// code: its text's count when held, 0 otherwise (also for a lone lead byte).
TEST(StrokeTable, LookupAgreesWithTheTextsForEveryCode) {
    std::map<std::string, int> counts;
    for (int k = 1; k <= kMaxStrokes; ++k)
        for (const char* p = kStrokeTexts[k - 1]; p[0] && p[1]; p += 2)
            counts.emplace(std::string(p, 2), k);
    int held = 0;
    for (int first = 1; first <= 0xFF; ++first) {
        for (int second = 0; second <= 0xFF; ++second) {
            const char ch[3] = {static_cast<char>(first), static_cast<char>(second), 0};
            auto found = counts.find(std::string(ch, 2));
            int expected = found == counts.end() ? 0 : found->second;
            ASSERT_EQ(Count(ch), expected) << first << "," << second;
            held += expected != 0;
        }
    }
    EXPECT_EQ(held, 7249);
}

TEST(StrokeTable, CountsEveryKanjiAllowedInNames) {
    ASSERT_GT(std::strlen(kNameKanji), 0u);
    for (const char* p = kNameKanji; *p; p += 2) EXPECT_GT(Count(p), 0) << std::string(p, 2);
}

TEST(StrokeTable, LeftOutCharactersCountZero) {
    for (const char* ch : {"　", "ゎ", "ゐ", "ゑ",
                           "ヮ", "ヰ", "ヱ", "ヵ", "ヶ", "、", "Ａ", "ab", "\x81"})
        EXPECT_EQ(Count(ch), 0) << ch;
    EXPECT_EQ(Count(""), 0);
}

namespace {

// Linear position of a two-byte code among the codes 0x40..0xFC (without
// 0x7F) of its lead byte and those before it.
int Position(unsigned lead, unsigned trail) {
    return static_cast<int>(lead * 188 + trail - (trail < 0x7F ? 0x40 : 0x41));
}

std::string CodeAt(int position) {
    const int offset = position % 188;
    const char code[] = {static_cast<char>(position / 188),
                         static_cast<char>(offset + (offset < 0x3F ? 0x40 : 0x41))};
    return std::string(code, 2);
}

}  // namespace

// The NEC-selected IBM extension kanji 0xED40..0xEEEC are the IBM extension
// kanji from 0xFA5C, in the same order: both codes of a kanji count alike,
// and no other vendor code is held.
TEST(StrokeTable, BothCodesOfEveryVendorKanjiCountAlike) {
    const int necFirst = Position(0xED, 0x40), necLast = Position(0xEE, 0xEC);
    const int ibmFirst = Position(0xFA, 0x5C);
    for (int p = necFirst; p <= necLast; ++p) {
        const std::string nec = CodeAt(p), ibm = CodeAt(ibmFirst + p - necFirst);
        EXPECT_GT(Count(nec.c_str()), 0) << std::hex << p;
        EXPECT_EQ(Count(nec.c_str()), Count(ibm.c_str())) << std::hex << p;
    }
    int vendorCodes = 0;
    for (const auto& entry : Occurrences())
        vendorCodes += static_cast<unsigned char>(entry.first[0]) >= 0xED;
    EXPECT_EQ(vendorCodes, 2 * (necLast - necFirst + 1));
}
