#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "compose_search.h"
#include "name_search_oracle.h"
#include "stroke_table.h"

using namespace hoshikura;
using oracle::Store;

namespace {

CComposeSearch Composed(const char* surname, const char* reading, int32_t sex = kComposeBoth) {
    CComposeSearch s;
    s.SetQuery(surname, reading, sex);
    s.RunSearch(Store());
    return s;
}

struct Spelling {
    int score;
    long long commonness;
};

// Every spelling of the reading, found by scanning the whole pair table for
// each piece, with its best commonness over the splits that give it.
void Spell(const std::string& surname, const std::string& rest, const std::string& written,
           long long commonness, std::map<std::string, Spelling>& out, long long& judged) {
    if (rest.empty()) {
        ++judged;
        Spelling& s = out[written];
        s.score = oracle::ScoreOf(surname, written);
        s.commonness = std::max(s.commonness, commonness);
        return;
    }
    if (written.size() == 2 * kMaxComposedCharacters) return;
    for (int p = 0; p < kNameReadingPairCount; ++p) {
        const NameReadingPair& pair = kNameReadingPairs[p];
        if (rest.compare(0, std::strlen(pair.reading), pair.reading) == 0)
            Spell(surname, rest.substr(std::strlen(pair.reading)), written + pair.character,
                  commonness * pair.count, out, judged);
    }
}

}  // namespace

TEST(ComposeSearch, RanksEverySpellingByScoreThenCommonness) {
    for (const char* reading : {"はると", "ゆいな", "しょうたろう", "さくら"}) {
        for (const char* surname : {"林", "佐藤", "長谷川"}) {
            const CComposeSearch s = Composed(surname, reading);
            std::map<std::string, Spelling> all;
            long long judged = 0;
            Spell(surname, reading, "", 1, all, judged);
            std::vector<Spelling> best;
            for (const auto& entry : all) best.push_back(entry.second);
            std::stable_sort(best.begin(), best.end(), [](const Spelling& a, const Spelling& b) {
                return a.score != b.score ? a.score > b.score : a.commonness > b.commonness;
            });
            best.resize(std::min<std::size_t>(best.size(), kRankingRows));

            EXPECT_EQ(s.spellingsJudged, judged) << reading;
            ASSERT_EQ(s.resultCount, static_cast<int>(best.size())) << reading;
            std::set<std::string> listed;
            for (int i = 0; i < s.resultCount; ++i) {
                const ComposeResult& row = s.results[i];
                ASSERT_TRUE(all.count(row.written)) << row.written;
                EXPECT_EQ(row.score, oracle::ScoreOf(surname, row.written)) << row.written;
                EXPECT_EQ(row.score, best[i].score) << reading << " row " << i;
                EXPECT_EQ(row.commonness, best[i].commonness) << reading << " row " << i;
                EXPECT_TRUE(listed.insert(row.written).second) << row.written;
            }
        }
    }
}

TEST(ComposeSearch, EveryCharacterTakesAReadingOfRealNamesAndTheRowsSpellTheReading) {
    const CComposeSearch s = Composed("山田", "ゆうと");
    ASSERT_GT(s.resultCount, 0);
    for (int i = 0; i < s.resultCount; ++i) {
        const ComposeResult& row = s.results[i];
        std::string spelled;
        for (int c = 0; c < row.characterCount; ++c) {
            const NameReadingPair& pair = kNameReadingPairs[row.pairs[c]];
            EXPECT_EQ(std::string(row.written + 2 * c, 2), pair.character);
            EXPECT_GT(pair.count, 0);
            spelled += s.PieceReading(i, c);
        }
        EXPECT_EQ(spelled, "ゆうと");
    }
}

TEST(ComposeSearch, TheTableHoldsOnlyCountedNameCharacters) {
    const std::string illOmen = "死殺凶苦魔鬼病毒";
    for (int p = 0; p < kNameReadingPairCount; ++p) {
        const NameReadingPair& pair = kNameReadingPairs[p];
        EXPECT_EQ(std::strlen(pair.character), 2u);
        EXPECT_GT(TheStrokeTable().StrokeCount(pair.character), 0) << pair.character;
        EXPECT_EQ(illOmen.find(pair.character) % 2, 1u) << pair.character;  // npos is odd
        EXPECT_LE(pair.boys + pair.girls, pair.count);
        if (p > 0) {
            EXPECT_LE(std::strcmp(kNameReadingPairs[p - 1].reading, pair.reading), 0);
        }
    }
}

TEST(ComposeSearch, KatakanaComposesAsHiraganaAndOtherTextComposesNothing) {
    const CComposeSearch hiragana = Composed("山田", "ひろし");
    const CComposeSearch katakana = Composed("山田", "ヒロシ");
    ASSERT_GT(hiragana.resultCount, 0);
    ASSERT_EQ(katakana.resultCount, hiragana.resultCount);
    for (int i = 0; i < hiragana.resultCount; ++i)
        EXPECT_STREQ(katakana.results[i].written, hiragana.results[i].written);
    std::string huge;
    while (huge.size() < 150) huge += "ひろし";
    for (const std::string& reading : {std::string("hiroshi"), std::string(""), std::string("浩"),
                                       std::string("ひろーし"), std::string("ヴぃ"), huge}) {
        const CComposeSearch s = Composed("山田", reading.c_str());
        EXPECT_EQ(s.resultCount, 0) << reading;
        EXPECT_EQ(s.spellingsJudged, 0) << reading;
    }
}

TEST(ComposeSearch, KnownRowsAreTheStoredNamesWithThatReading) {
    std::set<std::string> stored;
    for (const oracle::Sample& sample : oracle::SamplesInSearchOrder())
        if (sample.reading == "ひろし") stored.insert(sample.written);
    const CComposeSearch s = Composed("山田", "ひろし");
    int known = 0;
    for (int i = 0; i < s.resultCount; ++i) {
        EXPECT_EQ(s.results[i].known, stored.count(s.results[i].written) == 1) << s.results[i].written;
        known += s.results[i].known;
    }
    EXPECT_GT(known, 0);
}

TEST(ComposeSearch, ChoosingASexOnlyNarrowsTheSpellings) {
    int narrowed[3] = {0, 0, 0};
    for (const char* reading : {"ゆうき", "ひかる", "たろう", "けんた", "はなこ"}) {
        const CComposeSearch both = Composed("佐藤", reading);
        for (int32_t sex : {kComposeBoys, kComposeGirls}) {
            const CComposeSearch one = Composed("佐藤", reading, sex);
            EXPECT_LE(one.spellingsJudged, both.spellingsJudged) << reading;
            narrowed[sex] += one.spellingsJudged < both.spellingsJudged;
        }
    }
    EXPECT_GT(narrowed[kComposeBoys], 0);
    EXPECT_GT(narrowed[kComposeGirls], 0);
}

TEST(ComposeSearch, RowsShowTheSplitAndTheKnownMark) {
    const CComposeSearch s = Composed("山田", "ひろし");
    char row[160];
    for (int i = 0; i < s.resultCount; ++i) {
        s.FormatRow(i, row, sizeof row);
        const std::string text = row;
        EXPECT_NE(text.find(s.results[i].written), std::string::npos);
        EXPECT_NE(text.find(std::string("(") + s.PieceReading(i, 0)), std::string::npos);
        EXPECT_EQ(text.find("★") != std::string::npos, s.results[i].known) << text;
    }
}
