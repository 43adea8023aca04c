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
#include <utility>
#include <vector>

#include "compose_search.h"
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
    char sex;
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
                all.push_back({written, reading, Store().GetSampleSex(first, rest, k)});
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
    bool operator==(const Ranked& o) const { return text == o.text && reading == o.reading && score == o.score; }
};
std::ostream& operator<<(std::ostream& out, const Ranked& r) { return out << r.text << ' ' << r.reading << ' ' << r.score; }

// Adjacent rows of equal score: where the order among equals is tested.
int Ties(const std::vector<Ranked>& rows) {
    int ties = 0;
    for (size_t i = 1; i < rows.size(); ++i) ties += rows[i].score == rows[i - 1].score;
    return ties;
}

// Best first, the candidate met later first among equal scores, 200 kept.
std::vector<Ranked> TopRows(std::vector<Ranked> met, bool highFirst) {
    std::reverse(met.begin(), met.end());
    std::stable_sort(met.begin(), met.end(), [highFirst](const Ranked& a, const Ranked& b) {
        return highFirst ? a.score > b.score : a.score < b.score;
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
            met.push_back({sample.written, keepReading ? sample.reading : "", ScoreOf(surname, sample.written)});
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
Search Searched(const char* surname, const std::string& wanted, int32_t sex, const CSampleName& store = Store()) {
    Search s;
    s.SetQuery(surname, wanted.c_str());
    s.sexChoice = sex;
    s.RunSearch(store);
    return s;
}

// The boys' lists leave out the girls' names and the girls' the boys'.
bool Admits(int32_t choice, char sex) {
    return !(choice == kBoysOnly && sex == kSexGirl) && !(choice == kGirlsOnly && sex == kSexBoy);
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

TEST(NameSearch, ReadingAndKanjiRankingsMatchTheBruteForceForEitherSex) {
    int ties = 0, truncated = 0, narrowed = 0;
    for (const int32_t sex : {kBothSexes, kBoysOnly, kGirlsOnly}) {
        for (const char* surname : {"林", "佐々木", "長谷川田中"}) {
            // Katakana finds what hiragana finds; the title keeps it as typed.
            for (const std::string typed : {"ひろし", "ヒロシ", "みゆき", "しの", "かおる", "ケンタ"}) {
                std::string reading = typed;
                FoldKatakana(&reading[0]);
                const auto s = Searched<CReadingSearch>(surname, typed, sex);
                EXPECT_EQ(s.reading, typed);
                const auto expected = NameRanking(
                    surname, [&](const Sample& x) { return x.reading == reading && Admits(sex, x.sex); }, false);
                ASSERT_TRUE(sex != kBothSexes || !expected.empty()) << typed;
                ties += ExpectNameRows(s.results, s.resultCount, expected, surname);
                narrowed += s.resultCount < Searched<CReadingSearch>(surname, typed, kBothSexes).resultCount;
            }
            // 子 and 美 have far more than 200 forms, 翔 fewer; あ finds kana names.
            for (const std::string& character : std::vector<std::string>{"子", "美", "翔", "一", "あ", Straddling()}) {
                const auto s = Searched<CKanjiSearch>(surname, character, sex);
                const auto expected = NameRanking(
                    surname, [&](const Sample& x) { return HoldsCharacter(x.written, character) && Admits(sex, x.sex); },
                    true);
                ties += ExpectNameRows(s.results, s.resultCount, expected, surname);
                truncated += s.resultCount == kRankingRows;
            }
        }
    }
    EXPECT_GT(ties, 0);
    EXPECT_GT(truncated, 0);
    EXPECT_GT(narrowed, 0);
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
};

// A chosen sex takes the characters given to it in at least a tenth of the
// names whose sex is told, and those of names of untold sex.
bool ForSex(const NameReadingPair& pair, int32_t sex) {
    const int32_t told = pair.boys + pair.girls;
    return sex == kBothSexes || told == 0 || 10 * (sex == kBoysOnly ? pair.boys : pair.girls) >= told;
}

// Every spelling of the reading, found by scanning the whole pair table for
// each piece.
void Spell(const std::string& rest, int32_t sex, std::vector<int32_t>& pairs, std::vector<Spelling>& out) {
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
        if (rest.compare(0, length, pair.reading) != 0 || !ForSex(pair, sex)) continue;
        if (pair.count[PlaceInName(pairs.empty(), length == rest.size())] == 0) continue;
        pairs.push_back(p);
        Spell(rest.substr(length), sex, pairs, out);
        pairs.pop_back();
    }
}

}  // namespace

TEST(ComposeSearch, RanksEveryLikelySpellingForEitherSexByTheJudgedScoreThenLikelihood) {
    std::size_t composable = 0, likely = 0, narrowed = 0;
    // Katakana composes as hiragana; 想馬 そうま splits two ways; text other
    // than kana composes nothing.
    for (const std::string typed : {"はると", "ユイナ", "しょうたろう", "そうま", "ゆうき", "hiroshi", "浩", "ひろーし", "ヴぃ"}) {
        std::string reading = typed;
        FoldKatakana(&reading[0]);
        for (const char* surname : {"林", "長谷川"}) {
            long long judgedForBoth = 0;
            for (const int32_t sex : {kBothSexes, kBoysOnly, kGirlsOnly}) {
                CComposeSearch s;
                s.SetQuery(surname, typed.c_str(), sex);
                s.RunSearch(Store());
                std::vector<Spelling> spellings;
                std::vector<int32_t> pairs;
                Spell(reading, sex, pairs, spellings);
                double likeliest = 0;
                for (const Spelling& spelling : spellings) likeliest = std::max(likeliest, spelling.likelihood);
                // The likely enough spellings: each written form with its likeliest split.
                std::map<std::string, double> forms;
                long long judged = 0;
                for (const Spelling& spelling : spellings) {
                    if (spelling.likelihood < likeliest * kLikelihoodFloor) continue;
                    ++judged;
                    forms[spelling.written] = std::max(forms[spelling.written], spelling.likelihood);
                }
                composable += spellings.size();
                likely += forms.size();
                if (sex == kBothSexes) judgedForBoth = judged;
                narrowed += judged < judgedForBoth;
                // Best score first, the likelier first among equals.
                std::vector<std::pair<int, double>> ranked;
                for (const auto& form : forms) ranked.push_back({ScoreOf(surname, form.first), form.second});
                std::sort(ranked.rbegin(), ranked.rend());
                SCOPED_TRACE(reading + " " + std::to_string(sex));
                EXPECT_EQ(s.spellingsJudged, judged);
                ASSERT_EQ(s.resultCount, static_cast<int>(std::min<std::size_t>(ranked.size(), kRankingRows)));
                for (int i = 0; i < s.resultCount; ++i) {
                    const ComposeResult& row = s.results[i];
                    ASSERT_TRUE(forms.count(row.written)) << row.written;
                    EXPECT_EQ(row.score, ScoreOf(surname, row.written)) << row.written;
                    EXPECT_EQ(row.likelihood, forms[row.written]) << row.written;
                    EXPECT_EQ(std::make_pair(row.score, row.likelihood), ranked[i]) << " row " << i;
                    std::string spelled;
                    for (int c = 0; c < row.characterCount; ++c) spelled += s.PieceReading(i, c);
                    EXPECT_EQ(spelled, reading) << row.written;
                }
            }
        }
    }
    EXPECT_GT(composable, likely);  // the floor left some spellings out
    EXPECT_GT(narrowed, 0u);        // a chosen sex left some spellings out
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

// ---- The sample data ---------------------------------------------------------

TEST(SampleStore, EveryEntryIsWholeWithItsSexAndEachChoiceListsItsOwn) {
    int entries = 0, boys = 0, girls = 0, trail5F = 0;
    for (int i = 0; i < kSampleNameKeyCount; ++i) {
        const SampleNameKey& key = kSampleNameKeys[i];
        const std::string sexes = key.sexes;
        const int count = Store().GetSampleCount(key.firstStrokes, key.restStrokes);
        ASSERT_EQ(static_cast<int>(sexes.size()), count) << key.firstStrokes << "," << key.restStrokes;
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
        }
        // What each choice lists of the key: its own names and those for
        // either, the later first as the searches rank equals.
        for (const int32_t choice : {kBothSexes, kBoysOnly, kGirlsOnly, 3, -1}) {
            std::vector<int32_t> own, listed;
            for (int k = count - 1; k >= 0; --k)
                if (Admits(choice, Store().GetSampleSex(key.firstStrokes, key.restStrokes, k))) own.push_back(k);
            own.push_back(-1);  // past the last row
            const int32_t n = AdmittedSampleCount(Store(), key.firstStrokes, key.restStrokes, choice);
            for (int32_t row = 0; row <= n; ++row)
                listed.push_back(AdmittedSampleIndex(Store(), key.firstStrokes, key.restStrokes, choice, row));
            EXPECT_EQ(listed, own) << choice;
        }
        entries += count;
    }
    EXPECT_EQ(Store().GetSampleTotal(), entries);
    EXPECT_GT(trail5F, 0);  // written forms ending in a 0x5F trail byte survive the parse
    // Either list alone is a real choice: each holds a good share of all names.
    EXPECT_GT(boys * 4, entries);
    EXPECT_GT(girls * 4, entries);
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
