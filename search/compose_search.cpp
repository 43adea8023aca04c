#include "compose_search.h"

#include <algorithm>
#include <cstring>

#include "generation_filter.h"
#include "kana_fold.h"
#include "sample_walk.h"
#include "sjis_text.h"
#include "stroke_table.h"

namespace hoshikura {

namespace {

constexpr std::size_t kKanaBytes = 2;
constexpr std::size_t kCharacterBytes = 2;
// The store holds at most this many names of one reading that a search
// weighs; a reading has far fewer (at most about 60).
constexpr int kMaxHeldNames = 128;

// Between the readings of the characters in a row, behind a known one and
// behind a usual spelling of today.
constexpr char kSplitSeparator[] = "・";
constexpr char kKnownMark[] = " ★";
constexpr char kCommonMark[] = " ◎";

// Byte order of a pair's reading against piece[0..length).
int CompareReading(const char* pairReading, const char* piece, std::size_t length) {
    const std::size_t pairLength = std::strlen(pairReading);
    const int order = std::memcmp(pairReading, piece, std::min(pairLength, length));
    if (order != 0) return order;
    return pairLength < length ? -1 : (pairLength > length ? 1 : 0);
}

struct PairRange {
    int32_t first;
    int32_t last;  // one past
};

// The pairs whose reading is exactly piece[0..length).
PairRange PairsReading(const char* piece, std::size_t length) {
    const NameReadingPair* begin = kNameReadingPairs;
    const NameReadingPair* end = kNameReadingPairs + kNameReadingPairCount;
    const NameReadingPair* low = std::lower_bound(begin, end, 0, [&](const NameReadingPair& p, int) {
        return CompareReading(p.reading, piece, length) < 0;
    });
    const NameReadingPair* high = low;
    while (high != end && CompareReading(high->reading, piece, length) == 0) ++high;
    return {static_cast<int32_t>(low - begin), static_cast<int32_t>(high - begin)};
}

// Names counted per place, and the shares of names by length: one-character
// names are the names counted alone, names of three or more characters those
// with a middle character, and the rest have two.
struct PlaceTotals {
    double names[kPairPlaces];
    double byLength[kMaxComposedCharacters];
};

const PlaceTotals& Totals() {
    static const PlaceTotals totals = [] {
        PlaceTotals t{};
        for (int32_t p = 0; p < kNameReadingPairCount; ++p)
            for (int place = 0; place < kPairPlaces; ++place)
                t.names[place] += kNameReadingPairs[p].count[place];
        const double all = t.names[kWholeName] + t.names[kFirstCharacter];
        if (all > 0) {
            t.byLength[0] = t.names[kWholeName] / all;
            t.byLength[1] = (t.names[kFirstCharacter] - t.names[kMiddleCharacter]) / all;
            t.byLength[2] = t.names[kMiddleCharacter] / all;
        }
        return t;
    }();
    return totals;
}

}  // namespace

double SpellingLikelihood(const int32_t* pairs, int count) {
    if (count < 1 || count > kMaxComposedCharacters) return 0;
    const PlaceTotals& totals = Totals();
    double likelihood = totals.byLength[count - 1];
    for (int c = 0; c < count; ++c) {
        const PairPlace place = PlaceInName(c == 0, c + 1 == count);
        if (pairs[c] < 0 || pairs[c] >= kNameReadingPairCount || totals.names[place] <= 0) return 0;
        likelihood *= kNameReadingPairs[pairs[c]].count[place] / totals.names[place];
    }
    return likelihood;
}

bool PairsFormAName(const int32_t* pairs, int count) {
    bool oneKanaEach = count == kMaxComposedCharacters;
    for (int c = 0; c < count; ++c) {
        if (pairs[c] < 0 || pairs[c] >= kNameReadingPairCount) return false;
        oneKanaEach &= std::strlen(kNameReadingPairs[pairs[c]].reading) == kKanaBytes;
        for (int d = 0; d < c; ++d)
            if (std::strcmp(kNameReadingPairs[pairs[c]].character, kNameReadingPairs[pairs[d]].character) == 0)
                return false;
    }
    return !oneKanaEach;
}

bool IsRefusedSpelling(const char* written, const char* hiragana) {
    const RefusedSpelling* end = kRefusedSpellings + kRefusedSpellingCount;
    const RefusedSpelling* found =
        std::lower_bound(kRefusedSpellings, end, 0, [&](const RefusedSpelling& refused, int) {
            const int order = std::strcmp(refused.written, written);
            return order < 0 || (order == 0 && std::strcmp(refused.reading, hiragana) < 0);
        });
    return found != end && std::strcmp(found->written, written) == 0 && std::strcmp(found->reading, hiragana) == 0;
}

bool PairsSuitSex(const int32_t* pairs, int count, int32_t sexChoice) {
    bool boys = false, girls = false;
    for (int c = 0; c < count; ++c) {
        if (pairs[c] < 0 || pairs[c] >= kNameReadingPairCount) continue;
        boys |= kNameReadingPairs[pairs[c]].speaksFor == kSexBoy;
        girls |= kNameReadingPairs[pairs[c]].speaksFor == kSexGirl;
    }
    switch (SexChoiceFromStored(sexChoice)) {
    case kBoysOnly:
        return !girls;
    case kGirlsOnly:
        return !boys;
    default:
        return !(boys && girls);
    }
}

struct CComposeSearch::Walk {
    char hiragana[kReadingFieldSize];
    std::size_t length;
    CNameRecord record;
    int32_t pairs[kMaxComposedCharacters];
};

// A written form the store holds with the reading, its entries merged.
struct CComposeSearch::Held {
    char written[kMaxWrittenBytes + 1];
    bool forBoys;
    bool forGirls;
    bool today;
    bool usual;
    bool offered;  // ranked by the walk over the pairs already
};

CComposeSearch::CComposeSearch()
    : surname{}, reading{}, sex(kBothSexes), todayOnly(0), resultCount(0), spellingsJudged(0), results{} {
    ClearResults();
}

void CComposeSearch::SetQuery(const char* surnameText, const char* readingText, int32_t sexChoice,
                              int32_t todayOnlyChoice) {
    CopyText(surname, sizeof surname, surnameText ? surnameText : "");
    CopyText(reading, sizeof reading, readingText ? readingText : "");
    sex = sexChoice;
    todayOnly = todayOnlyChoice;
}

void CComposeSearch::ClearResults() {
    resultCount = 0;
    spellingsJudged = 0;
    for (ComposeResult& row : results) row = ComposeResult{};
}

// Every reading of one more character that starts at byte `at`, taken by
// the characters that have it in real names in the same place (first,
// middle, last or alone); the third character takes the rest.
template <typename Visit>
void CComposeSearch::Compose(Walk& walk, std::size_t at, int depth, Visit&& visit) {
    if (depth < 0 || depth >= kMaxComposedCharacters) return;
    const std::size_t rest = walk.length - at;
    const std::size_t shortest = depth + 1 == kMaxComposedCharacters ? rest : kKanaBytes;
    const std::size_t longest = std::min(rest, static_cast<std::size_t>(kPairReadingSize - 1));
    for (std::size_t length = shortest; length <= longest; length += kKanaBytes) {
        const bool last = at + length == walk.length;
        const PairPlace place = PlaceInName(depth == 0, last);
        const PairRange range = PairsReading(walk.hiragana + at, length);
        for (int32_t p = range.first; p < range.last; ++p) {
            if (kNameReadingPairs[p].count[place] == 0) continue;
            walk.pairs[depth] = p;
            if (last)
                visit(walk, depth + 1);
            else
                Compose(walk, at + length, depth + 1, visit);
        }
    }
}

namespace {

// The held form written so, or null.
template <typename HeldName>
HeldName* FindHeld(HeldName* held, int count, const char* written) {
    for (int h = 0; h < count; ++h)
        if (std::strcmp(held[h].written, written) == 0) return &held[h];
    return nullptr;
}

}  // namespace

// The store's names of the reading first; then two walks over the
// spellings: the first finds the likeliest, the second offers those likely
// enough; then the store's names the walk did not offer, and the reading in
// hiragana.
void CComposeSearch::RunSearch(const CSampleName& samples) {
    ClearResults();
    Walk walk{};
    if (!HiraganaReading(reading, walk.hiragana, sizeof walk.hiragana)) return;
    walk.length = std::strlen(walk.hiragana);
    walk.record.Analyse(surname, "");

    Held held[kMaxHeldNames];
    int heldCount = 0;
    WalkSamplesRead(samples, kBothSexes, 0, walk.hiragana,
                    [&](const char* written, int32_t first, int32_t rest, int32_t k) {
                        Held* entry = FindHeld(held, heldCount, written);
                        if (!entry) {
                            if (heldCount == kMaxHeldNames) return;
                            entry = &held[heldCount++];
                            *entry = Held{};
                            CopyText(entry->written, sizeof entry->written, written);
                        }
                        const char sexLetter = samples.GetSampleSex(first, rest, k);
                        const char generation = samples.GetSampleGeneration(first, rest, k);
                        entry->forBoys |= SexChoiceAdmits(kBoysOnly, sexLetter);
                        entry->forGirls |= SexChoiceAdmits(kGirlsOnly, sexLetter);
                        entry->today |= IsNameOfToday(generation);
                        entry->usual |= generation == kGenerationUsual;
                    });

    double likeliest = 0;
    Compose(walk, 0, 0, [&](const Walk& w, int count) {
        likeliest = std::max(likeliest, SpellingLikelihood(w.pairs, count));
    });
    const double floor = likeliest * kLikelihoodFloor;
    Compose(walk, 0, 0, [&](const Walk& w, int count) {
        const double likelihood = SpellingLikelihood(w.pairs, count);
        if (likelihood < floor) return;
        ComposeResult candidate{};
        candidate.characterCount = candidate.pieceCount = count;
        for (int c = 0; c < count; ++c) {
            const NameReadingPair& pair = kNameReadingPairs[w.pairs[c]];
            std::memcpy(candidate.written + kCharacterBytes * c, pair.character, kCharacterBytes);
            CopyText(candidate.pieces[c], sizeof candidate.pieces[c], pair.reading);
        }
        candidate.likelihood = likelihood;
        Held* entry = FindHeld(held, heldCount, candidate.written);
        if (entry) entry->offered = true;
        if (!Admits(entry) || (!entry && !(PairsSuitSex(w.pairs, count, sex) && PairsFormAName(w.pairs, count) &&
                                           !IsRefusedSpelling(candidate.written, w.hiragana))))
            return;
        Offer(w, candidate, entry);
    });

    // A written form of the store read as a whole, and the hiragana spelling.
    auto offerWhole = [&](const char* written, const Held* entry) {
        ComposeResult candidate{};
        CopyText(candidate.written, sizeof candidate.written, written);
        candidate.characterCount = static_cast<int32_t>(std::strlen(candidate.written) / kCharacterBytes);
        candidate.pieceCount = 1;
        CopyText(candidate.pieces[0], sizeof candidate.pieces[0], walk.hiragana);
        if (candidate.characterCount < 1 || candidate.characterCount > kMaxComposedCharacters) return;
        for (int c = 0; c < candidate.characterCount; ++c)
            if (TheStrokeTable().StrokeCount(candidate.written + kCharacterBytes * c) <= 0) return;
        if (!Admits(entry)) return;
        Offer(walk, candidate, entry);
    };
    for (int h = 0; h < heldCount; ++h)
        if (!held[h].offered) offerWhole(held[h].written, &held[h]);
    if (!FindHeld(held, heldCount, walk.hiragana)) offerWhole(walk.hiragana, nullptr);
}

// Whether the choices list a candidate: with a chosen sex, the store's names
// given to that sex or to both (`held`); names of today only: the store's
// names of today. The sex of a composed spelling the store does not hold is
// told by its characters before (PairsSuitSex); a hiragana one suits both.
bool CComposeSearch::Admits(const Held* held) const {
    if (TodayOnlyFromStored(todayOnly) && !(held && held->today)) return false;
    switch (SexChoiceFromStored(sex)) {
    case kBoysOnly:
        return !held || held->forBoys;
    case kGirlsOnly:
        return !held || held->forGirls;
    default:
        return true;
    }
}

namespace {

// Among equal scores: the usual spelling, then a name of today the store
// holds, then the likelier spelling; a newcomer equal in all goes first.
bool TiesBefore(const ComposeResult& a, const ComposeResult& b) {
    if (a.common != b.common) return a.common;
    if (a.today != b.today) return a.today;
    return a.likelihood >= b.likelihood;
}

}  // namespace

// Scores the candidate with the surname, marks what the store holds of it
// (`held`, or null) and ranks it: higher scores first, then TiesBefore.
void CComposeSearch::Offer(const Walk& walk, ComposeResult& candidate, const Held* held) {
    candidate.known = held != nullptr;
    candidate.today = held && held->today;
    candidate.common = held && held->usual;
    CNameRecord record = walk.record;
    const int32_t first = record.surnameLength;
    for (int c = 0; c < candidate.characterCount; ++c)
        record.strokes[first + c] = TheStrokeTable().StrokeCount(candidate.written + kCharacterBytes * c);
    record.givenLength = candidate.characterCount;
    record.Evaluate();
    ++spellingsJudged;
    candidate.score = record.totalScore;

    auto goesBefore = [&](const ComposeResult& row) {
        return candidate.score > row.score || (candidate.score == row.score && TiesBefore(candidate, row));
    };
    if (!RankingTakesWhere(results, resultCount, goesBefore)) return;
    // The same characters split another way: the likelier split stays.
    for (int32_t i = 0; i < resultCount; ++i) {
        if (std::strcmp(results[i].written, candidate.written) != 0) continue;
        if (results[i].likelihood >= candidate.likelihood) return;
        std::memmove(&results[i], &results[i + 1], sizeof(ComposeResult) * (resultCount - 1 - i));
        results[--resultCount] = ComposeResult{};
        break;
    }
    ComposeResult* row = OpenRowWhere(results, resultCount, goesBefore);
    if (row) *row = candidate;
}

const char* CComposeSearch::PieceReading(int i, int c) const {
    if (i < 0 || i >= resultCount || c < 0 || c >= results[i].pieceCount) return "";
    return results[i].pieces[c];
}

bool CComposeSearch::IsCommon(int i) const { return i >= 0 && i < resultCount && results[i].common; }

void CComposeSearch::FormatRow(int i, char* out, std::size_t capacity) const {
    if (capacity == 0) return;
    out[0] = '\0';
    if (i < 0 || i >= resultCount) return;
    const ComposeResult& row = results[i];
    char split[kMaxComposedCharacters * (kComposedPieceSize + kCharacterBytes)] = "";
    std::size_t used = 0;
    for (int c = 0; c < row.pieceCount; ++c) {
        if (c > 0) used += CopyText(split + used, sizeof split - used, kSplitSeparator);
        used += CopyText(split + used, sizeof split - used, PieceReading(i, c));
    }
    FormatText(out, capacity, "%3d位 (%d点)    %s (%s)%s%s", ShownRank(results, i), row.score, row.written, split,
               row.known ? kKnownMark : "", row.common ? kCommonMark : "");
}

}  // namespace hoshikura
