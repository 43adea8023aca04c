// Every spelling of a wished-for reading in one to three name characters,
// each character taking a reading it has in real given names, ranked by its
// score with a surname.
#pragma once

#include <cstddef>
#include <cstdint>

#include "name_record.h"
#include "name_reading_data.h"
#include "ranking.h"
#include "reading_search.h"
#include "sample_name.h"
#include "sex_filter.h"

namespace hoshikura {

constexpr int kMaxComposedCharacters = 3;

// A spelling composes only when it is at least this likely compared with the
// likeliest spelling of the reading: rare combinations of rare readings (津武衣
// read つむぎ) stay out.
constexpr double kLikelihoodFloor = 0.001;

// How likely a given name of real names is spelled with these pairs
// (kNameReadingPairs indices, 1 to 3 of them): the share of names with that
// many characters, times, for each character, the share of the names'
// characters in its place (first, middle, last or alone) that are this pair.
double SpellingLikelihood(const int32_t* pairs, int count);

struct ComposeResult {
    int32_t characterCount;
    char written[kResultTextSize];               // empty in an empty row
    int32_t pairs[kMaxComposedCharacters];       // index into kNameReadingPairs per character
    double likelihood;                           // SpellingLikelihood of its pairs
    int32_t score;                               // totalScore; 0 marks an empty row
    bool known;                                  // the sample store holds it with this reading
};

class CComposeSearch {
public:
    CComposeSearch();

    // Copies both texts (the reading as typed) and the sex choice; texts
    // longer than their fields are cut on a character boundary.
    void SetQuery(const char* surnameText, const char* readingText, int32_t sexChoice = kBothSexes);
    void ClearResults();
    // Composes, scores and ranks every spelling, then marks the ones the
    // store holds. A reading with any character other than kana composes
    // nothing.
    void RunSearch(const CSampleName& samples);

    // The reading character c of row i takes ("" outside the row).
    const char* PieceReading(int i, int c) const;
    // The list text of row i: rank, score, written form, the readings of
    // its characters in parentheses and "★" when the store knows it.
    void FormatRow(int i, char* out, std::size_t capacity) const;

    char surname[kSurnameFieldSize];
    char reading[kReadingFieldSize];
    int32_t sex;
    int32_t resultCount;
    // Spellings scored by the last search, ranked or not.
    int64_t spellingsJudged;
    ComposeResult results[kRankingRows];

private:
    struct Walk;
    // Calls visit(walk, characters) for every spelling of walk.hiragana.
    template <typename Visit>
    void Compose(Walk& walk, std::size_t at, int depth, Visit&& visit);
    void Offer(const Walk& walk, int count, double likelihood);
    bool Allowed(const NameReadingPair& pair) const;
    void MarkKnown(const CSampleName& samples, const char* hiragana);
};

}  // namespace hoshikura
