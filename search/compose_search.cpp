#include "compose_search.h"

#include <algorithm>
#include <cstring>

#include "kana_fold.h"
#include "sample_walk.h"
#include "sjis_text.h"
#include "stroke_table.h"

namespace hoshikura {

namespace {

constexpr std::size_t kKanaBytes = 2;
constexpr std::size_t kCharacterBytes = 2;
// A pair composes for one sex when the sources give at least a tenth of its
// sexed names to that sex; pairs no source tells the sex of always compose.
constexpr int32_t kSexShareTenths = 10;

// Between the readings of the characters in a row, and behind a known one.
constexpr char kSplitSeparator[] = "・";
constexpr char kKnownMark[] = " ★";

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

struct CComposeSearch::Walk {
    char hiragana[kReadingFieldSize];
    std::size_t length;
    CNameRecord record;
    int32_t pairs[kMaxComposedCharacters];
};

CComposeSearch::CComposeSearch()
    : surname{}, reading{}, sex(kBothSexes), resultCount(0), spellingsJudged(0), results{} {
    ClearResults();
}

void CComposeSearch::SetQuery(const char* surnameText, const char* readingText, int32_t sexChoice) {
    CopyText(surname, sizeof surname, surnameText ? surnameText : "");
    CopyText(reading, sizeof reading, readingText ? readingText : "");
    sex = sexChoice;
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
            const NameReadingPair& pair = kNameReadingPairs[p];
            if (pair.count[place] == 0 || !Allowed(pair)) continue;
            walk.pairs[depth] = p;
            if (last)
                visit(walk, depth + 1);
            else
                Compose(walk, at + length, depth + 1, visit);
        }
    }
}

// Two walks over the spellings: the first finds the likeliest, the second
// judges those likely enough.
void CComposeSearch::RunSearch(const CSampleName& samples) {
    ClearResults();
    Walk walk{};
    if (!HiraganaReading(reading, walk.hiragana, sizeof walk.hiragana)) return;
    walk.length = std::strlen(walk.hiragana);
    walk.record.Analyse(surname, "");
    double likeliest = 0;
    Compose(walk, 0, 0, [&](const Walk& w, int count) {
        likeliest = std::max(likeliest, SpellingLikelihood(w.pairs, count));
    });
    const double floor = likeliest * kLikelihoodFloor;
    Compose(walk, 0, 0, [&](const Walk& w, int count) {
        const double likelihood = SpellingLikelihood(w.pairs, count);
        if (likelihood >= floor) Offer(w, count, likelihood);
    });
    MarkKnown(samples, walk.hiragana);
}

bool CComposeSearch::Allowed(const NameReadingPair& pair) const {
    const int32_t sexed = pair.boys + pair.girls;
    if (sex == kBothSexes || sexed == 0) return true;
    const int32_t chosen = sex == kBoysOnly ? pair.boys : pair.girls;
    return chosen * kSexShareTenths >= sexed;
}

// Scores the spelling of walk.pairs[0..count) and ranks it: higher scores
// first and, among equal scores, the likelier spelling.
void CComposeSearch::Offer(const Walk& walk, int count, double likelihood) {
    CNameRecord record = walk.record;
    const int32_t first = record.surnameLength;
    char written[kResultTextSize] = "";
    for (int c = 0; c < count; ++c) {
        const char* character = kNameReadingPairs[walk.pairs[c]].character;
        std::memcpy(written + kCharacterBytes * c, character, kCharacterBytes);
        record.strokes[first + c] = TheStrokeTable().StrokeCount(character);
    }
    record.givenLength = count;
    record.Evaluate();
    ++spellingsJudged;

    const int32_t score = record.totalScore;
    auto goesBefore = [&](const ComposeResult& row) {
        return score > row.score || (score == row.score && likelihood >= row.likelihood);
    };
    if (!RankingTakesWhere(results, resultCount, goesBefore)) return;
    // The same characters split another way: the likelier split stays.
    for (int32_t i = 0; i < resultCount; ++i) {
        if (std::strcmp(results[i].written, written) != 0) continue;
        if (results[i].likelihood >= likelihood) return;
        std::memmove(&results[i], &results[i + 1], sizeof(ComposeResult) * (resultCount - 1 - i));
        results[--resultCount] = ComposeResult{};
        break;
    }
    ComposeResult* row = OpenRowWhere(results, resultCount, goesBefore);
    if (!row) return;
    row->characterCount = count;
    std::memcpy(row->written, written, sizeof written);
    std::copy(walk.pairs, walk.pairs + count, row->pairs);
    row->likelihood = likelihood;
    row->score = score;
}

// A row is known when a sample given name has its written form and reading.
void CComposeSearch::MarkKnown(const CSampleName& samples, const char* hiragana) {
    WalkSamplesRead(samples, kBothSexes, hiragana, [&](const char* written) {
        for (int32_t i = 0; i < resultCount; ++i)
            if (std::strcmp(results[i].written, written) == 0) results[i].known = true;
    });
}

const char* CComposeSearch::PieceReading(int i, int c) const {
    if (i < 0 || i >= resultCount || c < 0 || c >= results[i].characterCount) return "";
    return kNameReadingPairs[results[i].pairs[c]].reading;
}

void CComposeSearch::FormatRow(int i, char* out, std::size_t capacity) const {
    if (capacity == 0) return;
    out[0] = '\0';
    if (i < 0 || i >= resultCount) return;
    const ComposeResult& row = results[i];
    char split[kMaxComposedCharacters * (kPairReadingSize + kCharacterBytes)] = "";
    std::size_t used = 0;
    for (int c = 0; c < row.characterCount; ++c) {
        if (c > 0) used += CopyText(split + used, sizeof split - used, kSplitSeparator);
        used += CopyText(split + used, sizeof split - used, PieceReading(i, c));
    }
    FormatText(out, capacity, "%3d位 (%d点)    %s (%s)%s", ShownRank(results, i), row.score,
               row.written, split, row.known ? kKnownMark : "");
}

}  // namespace hoshikura
