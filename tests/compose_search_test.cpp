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

CComposeSearch Composed(const char* surname, const char* reading, int32_t sex = kBothSexes) {
    CComposeSearch s;
    s.SetQuery(surname, reading, sex);
    s.RunSearch(Store());
    return s;
}

struct Spelling {
    std::string written;
    double likelihood;
};

// Every spelling of the reading, found by scanning the whole pair table for
// each piece.
void Spell(const std::string& rest, std::vector<int32_t>& pairs, std::vector<Spelling>& out) {
    if (rest.empty()) {
        std::string written;
        for (int32_t p : pairs) written += kNameReadingPairs[p].character;
        out.push_back({written, SpellingLikelihood(pairs.data(), static_cast<int>(pairs.size()))});
        return;
    }
    if (pairs.size() == kMaxComposedCharacters) return;
    for (int p = 0; p < kNameReadingPairCount; ++p) {
        const NameReadingPair& pair = kNameReadingPairs[p];
        const std::size_t length = std::strlen(pair.reading);
        if (rest.compare(0, length, pair.reading) != 0) continue;
        if (pair.count[PlaceInName(pairs.empty(), length == rest.size())] == 0) continue;
        pairs.push_back(p);
        Spell(rest.substr(length), pairs, out);
        pairs.pop_back();
    }
}

struct Ranked {
    int score;
    double likelihood;
};

}  // namespace

TEST(ComposeSearch, RanksEveryLikelySpellingByScoreThenLikelihood) {
    std::size_t composable = 0, likely = 0;
    for (const char* reading : {"はると", "ゆいな", "しょうたろう", "さくら"}) {
        for (const char* surname : {"林", "佐藤", "長谷川"}) {
            const CComposeSearch s = Composed(surname, reading);
            std::vector<Spelling> spellings;
            std::vector<int32_t> pairs;
            Spell(reading, pairs, spellings);
            double likeliest = 0;
            for (const Spelling& spelling : spellings) likeliest = std::max(likeliest, spelling.likelihood);
            // The likely enough spellings, each written form once with its likeliest split.
            std::map<std::string, Ranked> all;
            long long judged = 0;
            for (const Spelling& spelling : spellings) {
                if (spelling.likelihood < likeliest * kLikelihoodFloor) continue;
                ++judged;
                Ranked& r = all[spelling.written];
                r.score = oracle::ScoreOf(surname, spelling.written);
                r.likelihood = std::max(r.likelihood, spelling.likelihood);
            }
            std::vector<Ranked> best;
            for (const auto& entry : all) best.push_back(entry.second);
            std::stable_sort(best.begin(), best.end(), [](const Ranked& a, const Ranked& b) {
                return a.score != b.score ? a.score > b.score : a.likelihood > b.likelihood;
            });
            best.resize(std::min<std::size_t>(best.size(), kRankingRows));

            composable += spellings.size();
            likely += all.size();
            EXPECT_EQ(s.spellingsJudged, judged) << reading;
            ASSERT_EQ(s.resultCount, static_cast<int>(best.size())) << reading;
            std::set<std::string> listed;
            for (int i = 0; i < s.resultCount; ++i) {
                const ComposeResult& row = s.results[i];
                ASSERT_TRUE(all.count(row.written)) << row.written;
                EXPECT_EQ(row.score, oracle::ScoreOf(surname, row.written)) << row.written;
                EXPECT_EQ(row.score, best[i].score) << reading << " row " << i;
                EXPECT_EQ(row.likelihood, best[i].likelihood) << reading << " row " << i;
                EXPECT_TRUE(listed.insert(row.written).second) << row.written;
            }
        }
    }
    EXPECT_GT(composable, likely);  // the floor left some spellings out
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
            EXPECT_GT(pair.count[PlaceInName(c == 0, c + 1 == row.characterCount)], 0);
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

TEST(ComposeSearch, AChosenSexLeavesOutReadingsOnlyTheOtherSexIsGiven) {
    int changed = 0;
    for (const char* reading : {"ゆうき", "ひかる", "たろう", "けんた", "はなこ", "ゆいな"}) {
        const CComposeSearch both = Composed("佐藤", reading);
        for (int32_t sex : {kBoysOnly, kGirlsOnly}) {
            const CComposeSearch one = Composed("佐藤", reading, sex);
            changed += one.spellingsJudged != both.spellingsJudged;
            for (int i = 0; i < one.resultCount; ++i)
                for (int c = 0; c < one.results[i].characterCount; ++c) {
                    const NameReadingPair& pair = kNameReadingPairs[one.results[i].pairs[c]];
                    const int32_t chosen = sex == kBoysOnly ? pair.boys : pair.girls;
                    EXPECT_TRUE(chosen > 0 || pair.boys + pair.girls == 0)
                        << one.results[i].written << " " << reading;
                }
        }
    }
    EXPECT_GT(changed, 0);
}
