#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include "kanji_search.h"
#include "name_search_oracle.h"
#include "sjis_text.h"

using namespace hoshikura;
using oracle::HoldsCharacter;
using oracle::Store;

namespace {

CKanjiSearch Searched(const char* surname, const std::string& character) {
    CKanjiSearch s;
    s.SetQuery(surname, character.c_str());
    s.RunSearch(Store());
    return s;
}

std::vector<oracle::Ranked> Expected(const std::string& surname, const std::string& character) {
    return oracle::NameRanking(
        surname, [&](const oracle::Sample& s) { return HoldsCharacter(s.written, character); }, true);
}

}  // namespace

TEST(KanjiSearch, RankingsMatchEveryDistinctFormScoredAndSorted) {
    int truncated = 0, ties = 0;
    // 子 and 美 have far more than 200 forms, 翔 fewer; あ finds kana names.
    for (const char* character : {"子", "美", "翔", "一", "あ"}) {
        for (const char* surname : {"林", "山田", "佐々木", "長谷川", "長谷川田中"}) {
            const CKanjiSearch s = Searched(surname, character);
            const auto expected = Expected(surname, character);
            ASSERT_FALSE(expected.empty()) << character;
            oracle::ExpectNameRows(s.results, s.resultCount, expected, surname);
            truncated += s.resultCount == 200;
            ties += oracle::TiedPairs(s.results, s.resultCount);
        }
    }
    EXPECT_GT(truncated, 0);
    EXPECT_GT(ties, 0);
}

TEST(KanjiSearch, NoMatchAcrossACharacterBoundary) {
    // A character whose bytes stand in some written form only astride two
    // of its characters (a trail byte followed by a lead byte).
    std::string form, character;
    for (const oracle::Sample& sample : oracle::SamplesInSearchOrder()) {
        const std::string& w = sample.written;
        for (size_t i = 1; i + 1 < w.size() && form.empty(); i += 2) {
            const std::string straddling = w.substr(i, 2);
            if (IsLeadByte(static_cast<unsigned char>(straddling[0])) && !HoldsCharacter(w, straddling)) {
                form = w;
                character = straddling;
            }
        }
        if (!form.empty()) break;
    }
    ASSERT_FALSE(form.empty());
    const CKanjiSearch s = Searched("山田", character);
    for (int i = 0; i < s.resultCount; ++i) EXPECT_NE(s.results[i].written, form);
    oracle::ExpectNameRows(s.results, s.resultCount, Expected("山田", character), "山田");
}

TEST(KanjiSearch, KanaFindsTheNamesWrittenInKana) {
    // Hiragana are the codes 0x829F..0x82F1.
    auto allHiragana = [](const char* text) {
        for (; text[0] != '\0'; text += 2) {
            const unsigned char lead = static_cast<unsigned char>(text[0]);
            const unsigned char trail = static_cast<unsigned char>(text[1]);
            if (lead != 0x82 || trail < 0x9F || trail > 0xF1) return false;
        }
        return true;
    };
    const CKanjiSearch s = Searched("鈴木", "あ");
    int kanaNames = 0;
    for (int i = 0; i < s.resultCount; ++i) kanaNames += allHiragana(s.results[i].written);
    EXPECT_GT(kanaNames, 0);
}

TEST(KanjiSearch, QueryTextsAreBounded) {
    CKanjiSearch s;
    s.SetQuery("長谷川田中村", "翔翔翔翔翔");
    EXPECT_STREQ(s.surname, "長谷川田中");
    EXPECT_STREQ(s.character, "翔翔翔");  // 6 of at most 7 bytes
}
