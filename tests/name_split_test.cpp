#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "name_split.h"
#include "recording_sink.h"

using namespace hoshikura;

namespace {

const char kSurnameTooLong[] = "姓の文字数は５文字以内です。";
const char kGivenTooLong[] = "名の文字数は５文字以内です。";
const char kHalfWidth[] = "半角文字は使用できません。";

struct Split {
    int result;
    std::string surname;
    std::string given;
    std::vector<std::string> shown;
};

Split SplitLine(const std::string& text, int allowLongGiven = 0, int surnameCap = 32, int givenCap = 32) {
    RecordingSink sink;
    // Guard bytes after each buffer catch any write past its capacity.
    char surname[64];
    char given[160];
    std::memset(surname, 'X', sizeof surname);
    std::memset(given, 'X', sizeof given);
    Split s;
    s.result = SplitFullName(text.c_str(), surname, surnameCap, given, givenCap, allowLongGiven);
    for (size_t i = surnameCap; i < sizeof surname; ++i) EXPECT_EQ(surname[i], 'X') << "surname overrun";
    for (size_t i = givenCap; i < sizeof given; ++i) EXPECT_EQ(given[i], 'X') << "given overrun";
    EXPECT_NE(std::memchr(surname, '\0', surnameCap), nullptr);
    EXPECT_NE(std::memchr(given, '\0', givenCap), nullptr);
    s.surname = surname;
    s.given = given;
    s.shown = sink.shown;
    return s;
}

}  // namespace

TEST(SplitFullName, BlanksOfEitherWidthAndAnyRunSeparate) {
    for (const char* line : {"山田　太郎", "山田 太郎", "  山田 太郎", "山田 太郎　 ", "　山田 　 　太郎　"}) {
        Split s = SplitLine(line);
        EXPECT_EQ(s.result, 1) << line;
        EXPECT_EQ(s.surname, "山田");
        EXPECT_EQ(s.given, "太郎");
        EXPECT_TRUE(s.shown.empty());
    }
}

TEST(SplitFullName, NoNameWithoutTwoWordsAndNoMessage) {
    for (const char* line : {"", "山田太郎", "   ", "　　", "山田 ", "　山田　"}) {
        Split s = SplitLine(line);
        EXPECT_EQ(s.result, 0) << line;
        EXPECT_TRUE(s.shown.empty()) << line;
    }
}

TEST(SplitFullName, FiveCharactersPassSixAreRefused) {
    EXPECT_EQ(SplitLine("長谷川田中 太郎").result, 1);
    Split s = SplitLine("長谷川田中村 太郎");
    EXPECT_EQ(s.result, 0);
    ASSERT_EQ(s.shown.size(), 1u);
    EXPECT_EQ(s.shown[0], kSurnameTooLong);

    s = SplitLine("山田 寿限無寿限無");
    EXPECT_EQ(s.result, 0);
    ASSERT_EQ(s.shown.size(), 1u);
    EXPECT_EQ(s.shown[0], kGivenTooLong);
    EXPECT_EQ(SplitLine("山田 寿限無寿限", 0).result, 1);
    EXPECT_EQ(SplitLine("山田 寿限無寿限無", 1).result, 1);
}

TEST(SplitFullName, HalfWidthSingleByteWordsAreRefused) {
    Split s = SplitLine("山田 a");
    EXPECT_EQ(s.result, 0);
    ASSERT_EQ(s.shown.size(), 1u);
    EXPECT_EQ(s.shown[0], kHalfWidth);
    EXPECT_EQ(SplitLine("a 太郎").shown.at(0), kHalfWidth);
    EXPECT_EQ(SplitLine("山田 ab").result, 1);
}

TEST(SplitFullName, LongLinesNeverOverrunTheBuffers) {
    // Sixteen and more kanji in one word, as a 511-byte dialog line can hold.
    std::string word;
    for (int i = 0; i < 200; ++i) word += "漢";
    Split s = SplitLine(word + " 太郎");
    EXPECT_EQ(s.result, 0);
    EXPECT_EQ(s.shown.at(0), kSurnameTooLong);
    EXPECT_EQ(s.surname.size(), 30u);  // cut to the buffer on a character boundary

    s = SplitLine("山田 " + word);
    EXPECT_EQ(s.result, 0);
    EXPECT_EQ(s.shown.at(0), kGivenTooLong);

    // With no length limit on the given name, a word beyond its buffer is
    // refused without a message.
    s = SplitLine("山田 " + word, 1, 32, 100);
    EXPECT_EQ(s.result, 0);
    EXPECT_TRUE(s.shown.empty());
    EXPECT_EQ(SplitLine("山田 " + word.substr(0, 100), 1, 32, 100).result, 0);
    EXPECT_EQ(SplitLine("山田 " + word.substr(0, 98), 1, 32, 100).result, 1);
}

TEST(SplitFullName, SmallBuffersRefuseWordsThatDoNotFit) {
    Split s = SplitLine("山田 太郎", 0, 4, 32);
    EXPECT_EQ(s.result, 0);
    EXPECT_EQ(s.surname, "山");
}

TEST(SplitFullName, LoneLeadByteAtTheEndStaysInTheWord) {
    Split s = SplitLine("山田 太\x98");
    EXPECT_EQ(s.result, 1);
    EXPECT_EQ(s.given, "太\x98");
}
