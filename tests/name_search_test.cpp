// The name searches against brute force: every candidate scored by the
// judgement itself and the list sorted stably, without their insertion code;
// and the built-in sample data they search.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "compose_search.h"
#include "generation_filter.h"
#include "kana_fold.h"
#include "kanji_search.h"
#include "name_record.h"
#include "reading_search.h"
#include "sample_name_data.h"
#include "sex_filter.h"
#include "sjis_text.h"
#include "stroke_pattern_search.h"
#include "stroke_table.h"
#include "surname_search.h"

using namespace hoshikura;

namespace {

// One store for the whole suite, as the program keeps one.
const CSampleName& Store() {
    static const CSampleName* store = new CSampleName;
    return *store;
}

// A store emptied of its built-in given names, for texts of a test's own.
struct EmptyStore : CSampleName {
    EmptyStore() {
        for (int f = 0; f < kFirstStrokeKeys; ++f)
            for (int r = 0; r < kRestStrokeKeys; ++r) SetSampleName(f, r, nullptr, 0);
    }
};

struct Sample {
    std::string written, reading;
    char sex, generation;
    bool Today() const { return generation != kGenerationOlder; }
};

// Every sample given name in the order the searches meet them: the
// one-character keys by first strokes, then the others by first and rest.
const std::vector<Sample>& Samples() {
    static const std::vector<Sample> samples = [] {
        std::vector<Sample> all;
        auto add = [&all](int first, int rest) {
            for (int k = 0; k < Store().GetSampleCount(first, rest); ++k) {
                char written[kMaxWrittenBytes + 1] = "", reading[kMaxReadingBytes + 1] = "";
                Store().GetSampleKj(first, rest, k, written);
                Store().GetSampleYomi(first, rest, k, reading);
                all.push_back({written, reading, Store().GetSampleSex(first, rest, k),
                               Store().GetSampleGeneration(first, rest, k)});
            }
        };
        for (int first = 1; first < kFirstStrokeKeys; ++first) add(first, 0);
        for (int first = 1; first < kFirstStrokeKeys; ++first)
            for (int rest = 1; rest < kRestStrokeKeys; ++rest) add(first, rest);
        return all;
    }();
    return samples;
}

// Whether the written form holds the character as one of its characters.
bool HoldsCharacter(const std::string& written, const std::string& character) {
    for (size_t i = 0; i < written.size(); i += IsLeadByte(static_cast<unsigned char>(written[i])) ? 2 : 1)
        if (written.compare(i, 2, character) == 0) return true;
    return false;
}

int ScoreOf(const std::string& surname, const std::string& given) {
    CNameRecord record;
    record.Analyse(surname.c_str(), given.c_str());
    return record.totalScore;
}

struct Ranked {
    std::string text, reading;
    int score;
    bool today = true;
    bool operator==(const Ranked& o) const { return text == o.text && reading == o.reading && score == o.score; }
};
std::ostream& operator<<(std::ostream& out, const Ranked& r) { return out << r.text << ' ' << r.reading << ' ' << r.score; }

// Adjacent rows of equal score: where the order among equals is tested.
int Ties(const std::vector<Ranked>& rows) {
    int ties = 0;
    for (size_t i = 1; i < rows.size(); ++i) ties += rows[i].score == rows[i - 1].score;
    return ties;
}

// Best first; among equal scores names of today first, and the candidate
// met later first; 200 kept.
std::vector<Ranked> TopRows(std::vector<Ranked> met, bool highFirst) {
    std::reverse(met.begin(), met.end());
    std::stable_sort(met.begin(), met.end(), [highFirst](const Ranked& a, const Ranked& b) {
        if (a.score != b.score) return highFirst ? a.score > b.score : a.score < b.score;
        return a.today && !b.today;
    });
    if (met.size() > static_cast<size_t>(kRankingRows)) met.resize(kRankingRows);
    return met;
}

// Distinct written forms of the matching samples, each with the reading of
// its first sample when kept, scored with the surname.
std::vector<Ranked> NameRanking(const std::string& surname, const std::function<bool(const Sample&)>& matches,
                                bool keepReading) {
    std::vector<Ranked> met;
    std::set<std::string> seen;
    for (const Sample& sample : Samples())
        if (matches(sample) && seen.insert(sample.written).second)
            met.push_back({sample.written, keepReading ? sample.reading : "", ScoreOf(surname, sample.written),
                           sample.Today()});
    return TopRows(met, true);
}

// The rows equal the expected ones, with the strokes the judgement gives
// their characters; returns the ties among them.
int ExpectNameRows(const NameResult (&rows)[kRankingRows], int count, const std::vector<Ranked>& expected,
                   const std::string& surname) {
    std::vector<Ranked> got;
    for (int i = 0; i < count; ++i) {
        got.push_back({rows[i].written, rows[i].reading, rows[i].score});
        CNameRecord record;
        record.Analyse(surname.c_str(), rows[i].written);
        const int32_t* given = record.strokes + record.surnameLength;
        EXPECT_EQ(std::vector<int32_t>(rows[i].strokes, rows[i].strokes + rows[i].characterCount),
                  std::vector<int32_t>(given, given + record.givenLength));
    }
    EXPECT_EQ(got, expected) << surname;
    return Ties(expected);
}

template <typename Search>
Search Searched(const char* surname, const std::string& wanted, int32_t sex, const CSampleName& store = Store(),
                int32_t today = 0) {
    Search s;
    s.SetQuery(surname, wanted.c_str());
    s.sexChoice = sex;
    s.todayOnly = today;
    s.RunSearch(store);
    return s;
}

// The boys' lists leave out the girls' names and the girls' the boys'.
bool Admits(int32_t choice, char sex) {
    return !(choice == kBoysOnly && sex == kSexGirl) && !(choice == kGirlsOnly && sex == kSexBoy);
}

// And with names of today only, the older names too.
bool Admits(int32_t choice, int32_t today, const Sample& sample) {
    return Admits(choice, sample.sex) && (today != 1 || sample.Today());
}

// A character whose bytes stand in some written form only astride two of
// its characters (a trail byte followed by a lead byte): never a match there.
std::string Straddling() {
    for (const Sample& sample : Samples()) {
        const std::string& w = sample.written;
        for (size_t i = 1; i + 1 < w.size(); i += 2)
            if (IsLeadByte(static_cast<unsigned char>(w[i])) && !HoldsCharacter(w, w.substr(i, 2))) return w.substr(i, 2);
    }
    return "";
}

}  // namespace

TEST(NameSearch, ReadingAndKanjiRankingsMatchTheBruteForceForEitherSexAndGeneration) {
    int ties = 0, truncated = 0, narrowed = 0, olderLeftOut = 0;
    for (const int32_t today : {0, 1}) {
    for (const int32_t sex : {kBothSexes, kBoysOnly, kGirlsOnly}) {
        for (const char* surname : {"林", "佐々木", "長谷川田中"}) {
            // Katakana finds what hiragana finds; the title keeps it as typed.
            for (const std::string typed : {"ひろし", "ヒロシ", "みゆき", "しの", "かおる", "ケンタ", "あかり", "かずお"}) {
                std::string reading = typed;
                FoldKatakana(&reading[0]);
                const auto s = Searched<CReadingSearch>(surname, typed, sex, Store(), today);
                EXPECT_EQ(s.reading, typed);
                const auto expected = NameRanking(
                    surname, [&](const Sample& x) { return x.reading == reading && Admits(sex, today, x); }, false);
                ASSERT_TRUE(sex != kBothSexes || today || !expected.empty()) << typed;
                ties += ExpectNameRows(s.results, s.resultCount, expected, surname);
                narrowed += s.resultCount < Searched<CReadingSearch>(surname, typed, kBothSexes).resultCount;
                olderLeftOut += today && s.resultCount < Searched<CReadingSearch>(surname, typed, sex).resultCount;
            }
            // 子 and 美 have far more than 200 forms, 翔 fewer; あ finds kana names.
            for (const std::string& character : std::vector<std::string>{"子", "美", "翔", "一", "あ", Straddling()}) {
                const auto s = Searched<CKanjiSearch>(surname, character, sex, Store(), today);
                const auto expected = NameRanking(
                    surname,
                    [&](const Sample& x) { return HoldsCharacter(x.written, character) && Admits(sex, today, x); },
                    true);
                ties += ExpectNameRows(s.results, s.resultCount, expected, surname);
                truncated += s.resultCount == kRankingRows;
                for (int i = 0; i < s.resultCount; ++i) EXPECT_TRUE(!today || s.results[i].today) << s.results[i].written;
            }
        }
    }
    }
    EXPECT_GT(ties, 0);
    EXPECT_GT(truncated, 0);
    EXPECT_GT(narrowed, 0);
    EXPECT_GT(olderLeftOut, 0);
    EXPECT_FALSE(Straddling().empty());
}

TEST(NameSearch, AReadingOfTheStoresFullLengthIsComparedWhole) {
    EmptyStore store;  // the built-in readings stay shorter
    const std::string full = "じゅげむじゅげむごこ", text = "一__" + full;
    ASSERT_EQ(full.size(), static_cast<size_t>(kMaxReadingBytes));
    const char* texts[] = {text.c_str()};
    ASSERT_EQ(store.SetSampleName(1, 0, texts, 1), 1);
    for (const std::string& query : {full, full + "う"})
        EXPECT_EQ(Searched<CReadingSearch>("山田", query, kBothSexes, store).resultCount, query == full) << query;
}

TEST(NameSearch, SurnameRankingsMatchEverySurnameScoredAndSorted) {
    // Given names of one to five characters, in kana, and with a character
    // the stroke table lacks.
    for (const char* given : {"翔", "健太郎", "寿限無寿限", "ひろし", "ゐ"}) {
        for (int good : {1, 0}) {
            CSurnameSearch s;
            s.SetQuery(good, given);
            s.RunSearch(Store());
            std::vector<Ranked> met;
            for (int i = 0; i < Store().GetSampleSeiCount(); ++i) {
                char surname[12] = "";
                Store().GetSampleSei(i, surname);
                met.push_back({surname, "", ScoreOf(surname, given)});
            }
            std::vector<Ranked> got;
            for (int i = 0; i < s.resultCount; ++i) got.push_back({s.results[i].surname, "", s.results[i].score});
            const auto expected = TopRows(met, good);
            EXPECT_EQ(got, expected) << given;
            EXPECT_GT(Ties(expected), 0) << given;
        }
    }
}

TEST(NameSearch, PatternRankingsHoldTheBestScoresOfEveryPattern) {
    for (const char* surname : {"林", "長谷川田中", "ゐ"}) {
        // Every pattern (first) and (first, second), scored.
        std::vector<int> all;
        auto score = [&](int first, int second) {
            CNameRecord r;
            r.Analyse(surname, second == 0 ? "名" : "名前");
            r.strokes[r.surnameLength] = first;
            if (second > 0) r.strokes[r.surnameLength + 1] = second;
            r.Evaluate();
            all.push_back(r.totalScore);
        };
        for (int first = 1; first <= kMaxSinglePattern; ++first) score(first, 0);
        for (int first = 1; first <= kMaxPatternFirst; ++first)
            for (int second = 1; second <= kMaxPatternSecond; ++second) score(first, second);
        std::sort(all.begin(), all.end());
        for (int good : {1, 0}) {
            CStrokePatternSearch s;
            s.SetQuery(surname, good);
            s.RunSearch();
            std::vector<int> got, expected(all.begin(), all.begin() + kRankingRows);
            if (good) expected.assign(all.rbegin(), all.rbegin() + kRankingRows);
            for (int i = 0; i < s.resultCount; ++i) got.push_back(s.results[i].score);
            EXPECT_EQ(got, expected) << surname;
        }
    }
}

// ---- Composed spellings ------------------------------------------------------

namespace {

struct Spelling {
    std::string written;
    double likelihood;
    std::vector<int32_t> pairs;
};

// Every spelling of the reading, found by scanning the whole pair table for
// each piece.
void Spell(const std::string& rest, std::vector<int32_t>& pairs, std::vector<Spelling>& out) {
    if (rest.empty()) {
        std::string written;
        for (int32_t p : pairs) written += kNameReadingPairs[p].character;
        out.push_back({written, SpellingLikelihood(pairs.data(), static_cast<int>(pairs.size())), pairs});
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

// What the store holds of a written form with the reading, its entries merged.
struct Holding {
    bool boys = false, girls = false, today = false, usual = false;
};

std::map<std::string, Holding> HeldWith(const std::string& reading) {
    std::map<std::string, Holding> held;
    for (const Sample& sample : Samples()) {
        if (sample.reading != reading) continue;
        Holding& h = held[sample.written];
        h.boys |= sample.sex != kSexGirl;
        h.girls |= sample.sex != kSexBoy;
        h.today |= sample.Today();
        h.usual |= sample.generation == kGenerationUsual;
    }
    return held;
}

// A chosen sex takes the store's names given to it or to both; a spelling
// the store does not hold, when no character speaks for the other sex. Names
// of today only: the store's names of today.
bool ComposedFor(int32_t sex, int32_t today, const Holding* held, const std::vector<int32_t>& pairs) {
    if (today == 1 && !(held && held->today)) return false;
    if (held) return sex == kBothSexes || (sex == kBoysOnly ? held->boys : held->girls);
    // Not one character twice, not three characters of one kana each.
    std::set<std::string> characters;
    int oneKana = 0;
    for (int32_t p : pairs) {
        characters.insert(kNameReadingPairs[p].character);
        oneKana += std::strlen(kNameReadingPairs[p].reading) == 2;
    }
    if (characters.size() < pairs.size() || oneKana == kMaxComposedCharacters) return false;
    std::set<char> spoken;
    for (int32_t p : pairs) spoken.insert(kNameReadingPairs[p].speaksFor);
    if (sex == kBoysOnly) return !spoken.count('g');
    if (sex == kGirlsOnly) return !spoken.count('b');
    return !(spoken.count('g') && spoken.count('b'));  // no girls' head on a boys' ending
}

// Whether the review dropped the written form with the reading: the table
// read through, as the search looks it up.
bool RefusedByReview(const std::string& written, const std::string& reading) {
    for (int32_t i = 0; i < kRefusedSpellingCount; ++i)
        if (written == kRefusedSpellings[i].written && reading == kRefusedSpellings[i].reading) return true;
    return false;
}

bool CountedCharacters(const std::string& written) {
    if (written.size() % 2 != 0 || written.empty() || written.size() > 2u * kMaxComposedCharacters) return false;
    for (size_t i = 0; i < written.size(); i += 2)
        if (TheStrokeTable().StrokeCount(written.substr(i, 2).c_str()) <= 0) return false;
    return true;
}

// The order among equal scores: usual spellings, names of today, likelihood.
using ComposeKey = std::tuple<int, bool, bool, double>;

}  // namespace

TEST(ComposeSearch, RanksEverySpellingForEitherSexAndGenerationByScoreThenUsualTodayAndLikelihood) {
    std::size_t composable = 0, likely = 0, narrowed = 0, wholes = 0, kana = 0, common = 0;
    // Katakana composes as hiragana; 想馬 そうま splits two ways; 陽向 ひなた
    // is read as a whole; text other than kana composes nothing.
    for (const std::string typed : {"はると", "ユイナ", "しょうたろう", "そうま", "ゆうき", "ひなた", "あかり", "りく",
                                     "さくら", "hiroshi", "浩", "ひろーし", "ヴぃ"}) {
        std::string reading = typed;
        FoldKatakana(&reading[0]);
        char hiragana[kReadingFieldSize] = "";
        const bool kanaOnly = HiraganaReading(typed.c_str(), hiragana, sizeof hiragana);
        const std::map<std::string, Holding> held = HeldWith(reading);
        for (const char* surname : {"林", "長谷川"}) {
            for (const int32_t today : {0, 1}) {
                long long judgedForBoth = 0;
                for (const int32_t sex : {kBothSexes, kBoysOnly, kGirlsOnly}) {
                    CComposeSearch s;
                    s.SetQuery(surname, typed.c_str(), sex, today);
                    s.RunSearch(Store());
                    SCOPED_TRACE(reading + " " + std::to_string(sex) + " " + std::to_string(today));
                    std::vector<Spelling> spellings;
                    std::vector<int32_t> pairs;
                    if (kanaOnly) Spell(reading, pairs, spellings);
                    double likeliest = 0;
                    for (const Spelling& spelling : spellings) likeliest = std::max(likeliest, spelling.likelihood);
                    // The likely enough spellings the choices take, each written
                    // form with its likeliest split; then the store's other names
                    // and the hiragana spelling.
                    std::map<std::string, double> forms;
                    std::set<std::string> composed;
                    long long judged = 0;
                    for (const Spelling& spelling : spellings) {
                        if (spelling.likelihood < likeliest * kLikelihoodFloor) continue;
                        composed.insert(spelling.written);
                        const auto h = held.find(spelling.written);
                        if (h == held.end() && RefusedByReview(spelling.written, reading)) continue;
                        if (!ComposedFor(sex, today, h == held.end() ? nullptr : &h->second, spelling.pairs)) continue;
                        ++judged;
                        forms[spelling.written] = std::max(forms[spelling.written], spelling.likelihood);
                    }
                    composable += spellings.size();
                    likely += forms.size();
                    std::vector<std::pair<std::string, const Holding*>> whole;
                    if (kanaOnly) {
                        for (const auto& h : held)
                            if (!composed.count(h.first)) whole.push_back({h.first, &h.second});
                        if (!held.count(reading)) whole.push_back({reading, nullptr});
                    }
                    for (const auto& w : whole) {
                        if (!CountedCharacters(w.first) || !ComposedFor(sex, today, w.second, {})) continue;
                        ++judged;
                        forms[w.first] = 0;
                        wholes += w.second != nullptr;
                        kana += w.first == reading;
                    }
                    if (sex == kBothSexes) judgedForBoth = judged;
                    narrowed += judged < judgedForBoth;
                    std::vector<ComposeKey> ranked;
                    for (const auto& form : forms) {
                        const auto h = held.find(form.first);
                        const bool usual = h != held.end() && h->second.usual, ofToday = h != held.end() && h->second.today;
                        ranked.emplace_back(ScoreOf(surname, form.first), usual, ofToday, form.second);
                    }
                    std::sort(ranked.rbegin(), ranked.rend());
                    EXPECT_EQ(s.spellingsJudged, judged);
                    ASSERT_EQ(s.resultCount, static_cast<int>(std::min<std::size_t>(ranked.size(), kRankingRows)));
                    for (int i = 0; i < s.resultCount; ++i) {
                        const ComposeResult& row = s.results[i];
                        ASSERT_TRUE(forms.count(row.written)) << row.written;
                        const auto h = held.find(row.written);
                        EXPECT_EQ(row.known, h != held.end()) << row.written;
                        EXPECT_EQ(row.common, h != held.end() && h->second.usual) << row.written;
                        EXPECT_EQ(s.IsCommon(i), row.common);
                        EXPECT_TRUE(!today || row.today) << row.written;
                        common += row.common;
                        EXPECT_EQ(row.score, ScoreOf(surname, row.written)) << row.written;
                        EXPECT_EQ(row.likelihood, forms[row.written]) << row.written;
                        EXPECT_EQ(ComposeKey(row.score, row.common, row.today, row.likelihood), ranked[i]) << " row " << i;
                        std::string spelled;
                        for (int c = 0; c < row.pieceCount; ++c) spelled += s.PieceReading(i, c);
                        EXPECT_EQ(spelled, reading) << row.written;
                    }
                }
            }
        }
    }
    EXPECT_GT(composable, likely);  // the floor and the choices left some spellings out
    EXPECT_GT(narrowed, 0u);        // a chosen sex left some spellings out
    EXPECT_GT(wholes, 0u);          // some names of the store do not compose from pairs
    EXPECT_GT(kana, 0u);            // the hiragana spelling has a row
    EXPECT_GT(common, 0u);          // some rows are usual spellings
}

// For one sex, no composed spelling the store does not hold has a character
// of the other sex's names; every spelling the store gives that sex stays.
TEST(ComposeSearch, ASexKeepsItsStoreNamesAndDropsCharactersOfTheOtherSex) {
    int checked = 0;
    for (const char* typed : {"りく", "いつき", "ひなた", "はると", "ゆうき", "ひまり", "こはる", "そうた", "めい"}) {
        const std::map<std::string, Holding> held = HeldWith(typed);
        for (const int32_t sex : {kBoysOnly, kGirlsOnly}) {
            CComposeSearch s;
            s.SetQuery("山田", typed, sex);
            s.RunSearch(Store());
            std::set<std::string> listed;
            for (int i = 0; i < s.resultCount; ++i) listed.insert(s.results[i].written);
            for (const auto& h : held) {
                if (s.resultCount < kRankingRows && (sex == kBoysOnly ? h.second.boys : h.second.girls)) {
                    EXPECT_TRUE(listed.count(h.first)) << typed << " " << h.first << " " << sex;
                }
            }
            for (int i = 0; i < s.resultCount; ++i) {
                EXPECT_FALSE(s.results[i].written[0] == '\0');
                const auto h = held.find(s.results[i].written);
                if (h != held.end()) {
                    EXPECT_TRUE(sex == kBoysOnly ? h->second.boys : h->second.girls) << s.results[i].written;
                    continue;
                }
                // Composed from pairs: each character with its piece of the reading.
                const ComposeResult& row = s.results[i];
                if (row.written == std::string(typed)) continue;  // the hiragana spelling
                ASSERT_EQ(row.pieceCount, row.characterCount) << row.written;
                for (int c = 0; c < row.pieceCount; ++c) {
                    const std::string character(row.written + 2 * c, 2);
                    for (int p = 0; p < kNameReadingPairCount; ++p) {
                        const NameReadingPair& pair = kNameReadingPairs[p];
                        if (character == pair.character && std::strcmp(pair.reading, row.pieces[c]) == 0) {
                            EXPECT_NE(pair.speaksFor, sex == kBoysOnly ? 'g' : 'b') << row.written;
                        }
                    }
                }
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 0);
}

TEST(ComposeSearch, TheTableHoldsOnlyCountedNameCharactersOfNoIllOmen) {
    const std::string illOmen = "死殺凶苦魔鬼病毒";
    for (int p = 0; p < kNameReadingPairCount; ++p) {
        const NameReadingPair& pair = kNameReadingPairs[p];
        EXPECT_EQ(std::strlen(pair.character), 2u);
        EXPECT_GT(TheStrokeTable().StrokeCount(pair.character), 0) << pair.character;
        EXPECT_EQ(illOmen.find(pair.character) % 2, 1u) << pair.character;  // npos is odd
    }
}

// The spellings the review dropped left the store, and the search finds
// each of them in its table (the brute force above reads it through).
TEST(ComposeSearch, SpellingsTheReviewDroppedAreLookedUpAndNotStored) {
    std::set<std::pair<std::string, std::string>> stored;
    for (const Sample& sample : Samples()) stored.insert({sample.written, sample.reading});
    ASSERT_GT(kRefusedSpellingCount, 0);
    for (int32_t i = 0; i < kRefusedSpellingCount; ++i) {
        const RefusedSpelling& refused = kRefusedSpellings[i];
        EXPECT_TRUE(IsRefusedSpelling(refused.written, refused.reading)) << refused.written;
        EXPECT_FALSE(stored.count({refused.written, refused.reading})) << refused.written << " " << refused.reading;
        // Another reading of the same written form is not refused by this row.
        const std::string longer = std::string(refused.reading) + "の";
        EXPECT_FALSE(IsRefusedSpelling(refused.written, longer.c_str()) && !RefusedByReview(refused.written, longer));
    }
}

// ---- The sample data ---------------------------------------------------------

TEST(SampleStore, EveryEntryIsWholeWithItsSexAndGenerationAndEachChoiceListsItsOwn) {
    int entries = 0, boys = 0, girls = 0, trail5F = 0, older = 0, usual = 0;
    for (int i = 0; i < kSampleNameKeyCount; ++i) {
        const SampleNameKey& key = kSampleNameKeys[i];
        const std::string sexes = key.sexes;
        const int count = Store().GetSampleCount(key.firstStrokes, key.restStrokes);
        ASSERT_EQ(static_cast<int>(sexes.size()), count) << key.firstStrokes << "," << key.restStrokes;
        ASSERT_TRUE(key.generations != nullptr);
        const std::string generations = key.generations;
        ASSERT_EQ(static_cast<int>(generations.size()), count) << key.firstStrokes << "," << key.restStrokes;
        for (int k = 0; k < count; ++k) {
            char written[kMaxWrittenBytes + 1] = "", reading[kMaxReadingBytes + 1] = "";
            Store().GetSampleKj(key.firstStrokes, key.restStrokes, k, written);
            Store().GetSampleYomi(key.firstStrokes, key.restStrokes, k, reading);
            EXPECT_TRUE(written[0] && reading[0]) << key.firstStrokes << "," << key.restStrokes << " " << k;
            // Filed by the stroke table: the pattern views list it under its strokes.
            int restStrokes = 0;
            for (size_t i = 2; i < std::strlen(written); i += 2) restStrokes += TheStrokeTable().StrokeCount(written + i);
            EXPECT_EQ(TheStrokeTable().StrokeCount(written), key.firstStrokes) << written;
            EXPECT_EQ(restStrokes, key.restStrokes) << written;
            trail5F += written[0] && written[std::strlen(written) - 1] == '_';
            EXPECT_EQ(Store().GetSampleSex(key.firstStrokes, key.restStrokes, k), SampleSexFromLetter(sexes[k]));
            boys += sexes[k] != 'g';
            girls += sexes[k] != 'b';
            // Every entry has a sex and a generation of the data's letters.
            EXPECT_NE(std::string("bge").find(sexes[k]), std::string::npos) << written;
            EXPECT_NE(std::string("tco").find(generations[k]), std::string::npos) << written;
            EXPECT_EQ(Store().GetSampleGeneration(key.firstStrokes, key.restStrokes, k), generations[k]) << written;
            older += generations[k] == kGenerationOlder;
            usual += generations[k] == kGenerationUsual;
        }
        // What each choice lists of the key: its own names and those for
        // either (of today only when asked), names of today first, each
        // generation the later first as the searches rank equals.
        for (const int32_t today : {0, 1, 2}) {
            for (const int32_t choice : {kBothSexes, kBoysOnly, kGirlsOnly, 3, -1}) {
                std::vector<int32_t> own, listed;
                for (const bool ofToday : {true, false}) {
                    for (int k = count - 1; k >= 0; --k) {
                        const Sample sample{"", "", Store().GetSampleSex(key.firstStrokes, key.restStrokes, k),
                                            generations[k]};
                        if (sample.Today() == ofToday && Admits(choice, today, sample)) own.push_back(k);
                    }
                }
                own.push_back(-1);  // past the last row
                const int32_t n = AdmittedSampleCount(Store(), key.firstStrokes, key.restStrokes, choice, today);
                for (int32_t row = 0; row <= n; ++row)
                    listed.push_back(AdmittedSampleIndex(Store(), key.firstStrokes, key.restStrokes, choice, row, today));
                EXPECT_EQ(listed, own) << choice << " " << today;
            }
        }
        entries += count;
    }
    EXPECT_EQ(Store().GetSampleTotal(), entries);
    EXPECT_GT(trail5F, 0);  // written forms ending in a 0x5F trail byte survive the parse
    // Either list alone is a real choice: each holds a good share of all names.
    EXPECT_GT(boys * 4, entries);
    EXPECT_GT(girls * 4, entries);
    // Both generations are there, and usual spellings of today.
    EXPECT_GT(older * 10, entries);
    EXPECT_GT((entries - older) * 4, entries);
    EXPECT_GT(usual, 0);
}

TEST(SampleStore, SexLettersStayWithTheirEntries) {
    EmptyStore s;
    // An entry without a written form is skipped with its letter; an unknown
    // letter, and the entries past the letters, are for either sex.
    const char* texts[] = {"一__はじめ __から 二__じ 三__さぶろう", "四__しろう"};
    ASSERT_EQ(s.SetSampleName(1, 0, texts, 2, "bgbx"), 4);
    std::string letters;
    for (int k = 0; k < 4; ++k) letters += s.GetSampleSex(1, 0, k);
    EXPECT_EQ(letters, "bbee");
}

// The named samples stay at their keys, as often as named, whatever the
// review decided.
TEST(SampleStore, TheNamedSamplesStayAtTheirKeys) {
    struct Named {
        int first, rest;
        const char* written;
        const char* reading;  // null: any reading
        int times;
    };
    const Named named[] = {{10, 0, "浩", "ひろし", 1}, {5, 0, "巧", "たくみ", 2}, {1, 1, "一一", "かずひと", 1},
                           {1, 1, "しの", "しの", 1},   {4, 9, "太郎", "たろう", 1}, {3, 7, "千里", nullptr, 1},
                           {3, 7, "あかね", "あかね", 1}};
    for (const Named& n : named) {
        int found = 0;
        for (int k = 0; k < Store().GetSampleCount(n.first, n.rest); ++k) {
            char written[kMaxWrittenBytes + 1] = "", reading[kMaxReadingBytes + 1] = "";
            Store().GetSampleKj(n.first, n.rest, k, written);
            Store().GetSampleYomi(n.first, n.rest, k, reading);
            found += std::string(written) == n.written && (!n.reading || std::string(reading) == n.reading);
        }
        EXPECT_GE(found, n.times) << n.written;
    }
}

// Popular names of recent years, listed by a reader who never saw the data
// (written form, reading, sex): nearly all are in the store with that
// reading and a sex that fits (a name for either fits any; either on the
// list is fitted by any entry).
namespace popular {
#include "popular_given_names.inc"
}  // namespace popular

TEST(SampleStore, HoldsThePopularNamesOfRecentYears) {
    std::map<std::pair<std::string, std::string>, std::string> sexes;
    for (const Sample& s : Samples()) sexes[{s.written, s.reading}] += s.sex;
    const std::string text = popular::kPopularGivenNames;
    int listed = 0, held = 0;
    std::string missing;
    for (size_t at = 0, end; at < text.size(); at = end + 1) {
        end = std::min(text.find('\n', at), text.size());
        const std::string line = text.substr(at, end - at);
        const size_t tab1 = line.find('\t'), tab2 = line.find('\t', tab1 + 1);
        if (line.empty() || line[0] == '#' || tab2 == std::string::npos) continue;
        const std::string written = line.substr(0, tab1), reading = line.substr(tab1 + 1, tab2 - tab1 - 1);
        const std::string sex = line.substr(tab2 + 1);
        ASSERT_TRUE(sex == "boy" || sex == "girl" || sex == "either") << line;
        const char wanted = sex == "boy" ? kSexBoy : (sex == "girl" ? kSexGirl : kSexEither);
        const std::string& have = sexes[{written, reading}];
        const bool fits = wanted == kSexEither ? !have.empty()
                                               : have.find(wanted) != std::string::npos ||
                                                     have.find(kSexEither) != std::string::npos;
        ++listed;
        if (fits) ++held; else missing += " " + written + "(" + reading + "," + sex + ")";
    }
    EXPECT_GE(listed, 200);
    EXPECT_GE(held * 100, listed * 95) << held << " of " << listed << "; missing:" << missing;
}

// Store texts without generation letters are names of today.
TEST(SampleStore, GenerationLettersStayWithTheirEntries) {
    EmptyStore s;
    const char* texts[] = {"一__はじめ __から 二__じ 三__さぶろう", "四__しろう"};
    ASSERT_EQ(s.SetSampleName(1, 0, texts, 2, "bgbx", "ocx"), 4);
    std::string letters;
    for (int k = 0; k < 4; ++k) letters += s.GetSampleGeneration(1, 0, k);
    EXPECT_EQ(letters, "ottt");
    EXPECT_EQ(AdmittedSampleCount(s, 1, 0, kBothSexes, 1), 3);
    EXPECT_EQ(AdmittedSampleIndex(s, 1, 0, kBothSexes, 0, 0), 3);  // today first, the later first
    EXPECT_EQ(AdmittedSampleIndex(s, 1, 0, kBothSexes, 3, 0), 0);  // the older one last
}

