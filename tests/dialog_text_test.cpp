#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialog_text.h"
#include "recording_sink.h"

using namespace hoshikura;

namespace {

const char kSurnameTooLong[] = "姓の文字数は５文字以内です。";
const char kGivenTooLong[] = "名の文字数は５文字以内です。";
const char kHalfWidth[] = "半角文字は使用できません。";

struct Outcome {
    bool passed;
    std::string first;
    std::string second;
    std::vector<std::string> shown;
};

template <typename Build>
Outcome Run(Build build) {
    RecordingSink sink;
    SearchWords words;
    Outcome o;
    o.passed = build(words);
    o.first = words.first;
    o.second = words.second;
    o.shown = sink.shown;
    return o;
}

Outcome Surname(const std::string& typed, bool good = true) {
    return Run([&](SearchWords& w) { return SurnameSearchWords(typed.c_str(), good, w); });
}
Outcome Reading(const std::string& typed) {
    return Run([&](SearchWords& w) { return ReadingSearchWords(typed.c_str(), w); });
}
Outcome Kanji(const std::string& typed) {
    return Run([&](SearchWords& w) { return KanjiSearchWords(typed.c_str(), w); });
}
Outcome GivenName(const std::string& typed, bool good = true) {
    return Run([&](SearchWords& w) { return GivenNameSearchWords(typed.c_str(), good, w); });
}

std::string Repeat(const std::string& piece, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += piece;
    return s;
}

void ExpectSilentRefusal(const Outcome& o, const std::string& typed) {
    EXPECT_FALSE(o.passed) << typed;
    EXPECT_TRUE(o.shown.empty()) << typed;
}

void ExpectRefusal(const Outcome& o, const char* message) {
    EXPECT_FALSE(o.passed);
    EXPECT_EQ(o.shown, std::vector<std::string>{message});
}

}  // namespace

TEST(SealFieldText, TerminatesWhatTheControlLeftOpenAndCutsToTheLimit) {
    char text[8];
    std::memset(text, 'a', sizeof text);  // no terminator anywhere
    EXPECT_EQ(SealFieldText(text, sizeof text, 100), 7u);
    EXPECT_STREQ(text, "aaaaaaa");

    std::strcpy(text, "山田太");
    EXPECT_EQ(SealFieldText(text, sizeof text, 4), 4u);
    EXPECT_STREQ(text, "山田");
    // A limit inside a character drops the whole character.
    std::strcpy(text, "山田太");
    EXPECT_EQ(SealFieldText(text, sizeof text, 5), 4u);
    EXPECT_STREQ(text, "山田");
    std::strcpy(text, "ab");
    EXPECT_EQ(SealFieldText(text, sizeof text, 5), 2u);
    EXPECT_STREQ(text, "ab");
}

TEST(SealFieldText, TextCutByTheControlInsideACharacterLosesThatCharacter) {
    char text[6];
    std::memcpy(text, "山田\x91\xbe", 6);  // 山田 and 太 with no room for the NUL
    EXPECT_EQ(SealFieldText(text, sizeof text, kFieldReadLimit), 4u);
    EXPECT_STREQ(text, "山田");
}

TEST(SurnameSearchWords, RefusalsKeepTheSplittersMessages) {
    for (const char* typed : {"", " ", "　　"}) ExpectSilentRefusal(Surname(typed), typed);
    ExpectRefusal(Surname("一二三四五六"), kSurnameTooLong);
    ExpectRefusal(Surname("a"), kHalfWidth);
    // The typed given name is dropped but still split strictly.
    ExpectRefusal(Surname("鈴木 一二三四五六"), kGivenTooLong);
}

TEST(ReadingSearchWords, RefusesWhatDoesNotSplitAndReadsOnlyTheLimit) {
    for (const char* typed : {"", "鈴木", "鈴木　", "　たろう"}) ExpectSilentRefusal(Reading(typed), typed);
    ExpectRefusal(Reading("一二三四五六 たろう"), kSurnameTooLong);
    ExpectRefusal(Reading("鈴木 a"), kHalfWidth);

    Outcome o = Reading("鈴木 " + Repeat("た", 300));
    EXPECT_TRUE(o.passed);
    EXPECT_EQ(o.second, Repeat("た", (kFieldReadLimit - 5) / 2));
}

TEST(KanjiSearchWords, SecondWordMustBeOneCharacter) {
    for (const char* typed : {"鈴木　義", "鈴木 義 男"}) {
        Outcome o = Kanji(typed);
        EXPECT_TRUE(o.passed) << typed;
        EXPECT_EQ(o.first, "鈴木");
        EXPECT_EQ(o.second, "義");
    }
    for (const char* typed : {"鈴木　義男", "(姓)  (漢字１文字)", "鈴木", ""})
        ExpectSilentRefusal(Kanji(typed), typed);
    ExpectSilentRefusal(Kanji("鈴木 " + Repeat("義", 300)), "300 kanji");
    ExpectRefusal(Kanji("鈴木 a"), kHalfWidth);
    ExpectRefusal(Kanji("一二三四五六 義"), kSurnameTooLong);
}

TEST(GivenNameSearchWords, RefusalsAndTheReadLimit) {
    for (const char* typed : {"", "  ", "　"}) ExpectSilentRefusal(GivenName(typed), typed);
    ExpectRefusal(GivenName("一二三四五六"), kGivenTooLong);
    ExpectRefusal(GivenName("a"), kHalfWidth);

    // 255 bytes are read whole; one more byte cuts 郎 off entirely.
    const std::string atLimit = std::string(kGivenNameReadLimit - 4, ' ') + "太郎";
    EXPECT_EQ(GivenName(atLimit).second, "太郎");
    EXPECT_EQ(GivenName(" " + atLimit).second, "太");
    ExpectRefusal(GivenName(Repeat("太", 200)), kGivenTooLong);
}
