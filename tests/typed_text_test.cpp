// Typed text on its way to a judgement or a search: the line split into
// surname and given name, the search dialogs' words, and the Shift-JIS
// copies, formats and kana folding under them. Buffer bounds and the sealing
// of the fields read from controls are the split and dialog fuzz targets'.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialog_text.h"
#include "kana_fold.h"
#include "name_split.h"
#include "recording_sink.h"
#include "sjis_text.h"

using namespace hoshikura;

namespace {

struct Outcome {
    int passed;
    std::string first, second;
    std::vector<std::string> shown;
};

// Words beyond their buffers are the split fuzz target's.
Outcome Split(const std::string& line, bool allowLongGiven = false) {
    RecordingSink sink;
    char surname[32], given[32];
    const int passed = SplitFullNameOrTell(line.c_str(), surname, sizeof surname, given, sizeof given, allowLongGiven);
    return {passed, surname, given, sink.shown};
}

using Builder = std::function<bool(const char*, SearchRequest&)>;

Outcome Words(const Builder& build, const std::string& typed) {
    RecordingSink sink;
    SearchRequest request;
    const bool passed = build(typed.c_str(), request);
    return {passed, request.surname, request.query, sink.shown};
}

std::string Repeat(const std::string& piece, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += piece;
    return s;
}

// What the splitter tells for each fault, taken from a plain case of it.
enum Told { kSilent, kSurnameLong, kGivenLong, kHalfWidth, kPasses };
std::vector<std::string> Message(Told told) {
    static const std::string messages[] = {Split("一二三四五六 太郎").shown.at(0), Split("山田 一二三四五六").shown.at(0),
                                           Split("山田 a").shown.at(0)};
    if (told == kSilent || told == kPasses) return {};
    return {messages[told - kSurnameLong]};
}

}  // namespace

TEST(SplitFullName, LinesSplitOrAreRefusedWithTheirOwnMessage) {
    EXPECT_NE(Message(kSurnameLong), Message(kGivenLong));
    EXPECT_NE(Message(kGivenLong), Message(kHalfWidth));
    const struct {
        std::string line;
        Told told;
        std::string surname = "", given = "";  // as split, when it passes
        bool allowLongGiven = false;
    } cases[] = {
        {"山田　太郎", kPasses, "山田", "太郎"}, {"  山田 太郎", kPasses, "山田", "太郎"},
        {"山田 太郎　 ", kPasses, "山田", "太郎"}, {"　山田 　 　太郎　", kPasses, "山田", "太郎"},
        {"", kSilent}, {"山田太郎", kSilent}, {"　　", kSilent}, {"山田 ", kSilent}, {"　山田　", kSilent},
        {"長谷川田中 太郎", kPasses, "長谷川田中", "太郎"}, {"長谷川田中村 太郎", kSurnameLong},
        {"山田 寿限無寿限", kPasses, "山田", "寿限無寿限"}, {"山田 寿限無寿限無", kGivenLong},
        {"山田 寿限無寿限無", kPasses, "山田", "寿限無寿限無", true}, {"a 太郎", kHalfWidth},
        {"山田 ab", kPasses, "山田", "ab"}, {"山田 太\x98", kPasses, "山田", "太\x98"},
        {"山田 ab太", kPasses, "山田", "ab太"}, {"山田 a太", kHalfWidth}, {"山a田 太郎", kHalfWidth},
        {Repeat("漢", 200) + " 太郎", kSurnameLong},  // as a 511-byte dialog line can hold
    };
    for (const auto& c : cases) {
        const Outcome o = Split(c.line, c.allowLongGiven);
        EXPECT_EQ(o.passed, c.told == kPasses) << c.line;
        EXPECT_EQ(o.shown, Message(c.told)) << c.line;
        if (o.passed) {
            EXPECT_EQ(o.first + " " + o.second, c.surname + " " + c.given);
        }
    }
}

TEST(SearchRequests, EachDialogRefusesWithTheSplittersMessagesAndReadsOnlyItsLimit) {
    const Builder surname = [](const char* t, SearchRequest& r) { return StrokePatternRequest(t, true, r); };
    const Builder given = [](const char* t, SearchRequest& r) { return SurnameRequest(t, true, r); };
    const Builder ReadingSearchWords = [](const char* t, SearchRequest& r) {
        return ReadingRequest(t, SearchKind::kReading, r);
    };
    const Builder KanjiSearchWords = KanjiRequest;
    const std::string atLimit = std::string(kGivenNameReadLimit - 4, ' ') + "太郎";
    const struct {
        Builder build;
        std::string typed;
        Told told;
        std::string first = "", second = "";  // as passed on, when checked
    } cases[] = {
        {surname, "", kSilent}, {surname, "　　", kSilent}, {surname, "一二三四五六", kSurnameLong},
        {surname, "a", kHalfWidth}, {surname, "鈴木 一二三四五六", kGivenLong},  // split strictly, then dropped
        {ReadingSearchWords, "", kSilent}, {ReadingSearchWords, "鈴木　", kSilent},
        {ReadingSearchWords, "　たろう", kSilent}, {ReadingSearchWords, "一二三四五六 たろう", kSurnameLong},
        {ReadingSearchWords, "鈴木 a", kHalfWidth},
        {ReadingSearchWords, "鈴木 " + Repeat("た", 300), kPasses, "鈴木", Repeat("た", (kFieldReadLimit - 5) / 2)},
        {KanjiSearchWords, "鈴木　義", kPasses, "鈴木", "義"}, {KanjiSearchWords, "鈴木 義 男", kPasses, "鈴木", "義"},
        {KanjiSearchWords, "鈴木　義男", kSilent}, {KanjiSearchWords, "(姓)  (漢字１文字)", kHalfWidth},
        {KanjiSearchWords, "鈴木", kSilent}, {KanjiSearchWords, "鈴木 " + Repeat("義", 300), kSilent},
        {KanjiSearchWords, "鈴木 a", kHalfWidth}, {KanjiSearchWords, "一二三四五六 義", kSurnameLong},
        {given, "  ", kSilent}, {given, "一二三四五六", kGivenLong}, {given, "a", kHalfWidth},
        {given, Repeat("太", 200), kGivenLong},
        // 255 bytes are read whole; one more byte cuts 郎 off entirely.
        {given, atLimit, kPasses, "", "太郎"}, {given, " " + atLimit, kPasses, "", "太"},
    };
    for (const auto& c : cases) {
        const Outcome o = Words(c.build, c.typed);
        EXPECT_EQ(o.passed, c.told == kPasses) << c.typed;
        EXPECT_EQ(o.shown, Message(c.told)) << c.typed;
        EXPECT_EQ(c.first.empty() ? "" : o.first, c.first) << c.typed;
        EXPECT_EQ(c.second.empty() ? "" : o.second, c.second) << c.typed;
    }
}

TEST(SjisText, CopiesAndFormatsAreBoundedAndNeverSplitACharacter) {
    char out[6];
    EXPECT_EQ(CopyText(out, sizeof out, "山田太郎"), 4u);
    EXPECT_STREQ(out, "山田");
    EXPECT_EQ(CopyText(out, sizeof out, "abc山田"), 5u);
    EXPECT_STREQ(out, "abc山");
    CopyText(out, 3, "ab\x95");  // a lone lead byte at the cut
    EXPECT_STREQ(out, "ab");
    char formatted[8];
    FormatText(formatted, sizeof formatted, "%s%s", "表示", "表示");  // 表 has the trail byte 0x5C
    EXPECT_STREQ(formatted, "表示表");
    FormatText(formatted, sizeof formatted, "x%s", "表示表示");
    EXPECT_STREQ(formatted, "x表示表");
}

TEST(SjisText, KatakanaFoldsToTheMatchingHiraganaAndNothingElseChanges) {
    std::string text = "ァアヂッヅヮワヰヱヲン";
    FoldKatakana(&text[0]);
    EXPECT_EQ(text, "ぁあぢっづゎわゐゑをん");
    // No hiragana twin in the code page, not katakana at all, or 0x83 as the
    // trail byte of 宴 and 潟 rather than the lead byte of a katakana.
    text = "ヴヵヶー漢かなABCｱ宴A潟@\x83";
    const std::string kept = text;
    FoldKatakana(&text[0]);
    EXPECT_EQ(text, kept);
}
