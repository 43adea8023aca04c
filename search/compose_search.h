// Every spelling of a wished-for reading in one to three name characters,
// each character taking a reading it has in real given names, together with
// the sample store's names of that reading and the reading in hiragana,
// ranked by the score with a surname.
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
// A piece of a row's reading: one character's, or a whole name's.
constexpr int kComposedPieceSize = kMaxReadingBytes + 1;

// A spelling composes only when it is at least this likely compared with the
// likeliest spelling of the reading: rare combinations of rare readings (津武衣
// read つむぎ, 紗久羅 read さくら) stay out. The store's names and the hiragana spelling need not.
constexpr double kLikelihoodFloor = 0.01;

// How likely a given name of real names is spelled with these pairs
// (kNameReadingPairs indices, 1 to 3 of them): the share of names with that
// many characters, times, for each character, the share of the names'
// characters in its place (first, middle, last or alone) that are this pair.
double SpellingLikelihood(const int32_t* pairs, int count);

// Whether a composed spelling of these pairs may be offered for the sex
// choice: none of its characters speaks for the other sex (妃 for boys, 郎
// for girls; NameReadingPair::speaksFor), and for both sexes not a girls'
// character joined to a boys' one (妃奈汰).
bool PairsSuitSex(const int32_t* pairs, int count, int32_t sexChoice);

// Whether a spelling of these pairs has the shape of a name a parent writes:
// not one character repeated (唯唯), and not three characters of one kana
// each (妃茉里 read ひまり: such names are written so only when real names
// are, and the store holds those).
bool PairsFormAName(const int32_t* pairs, int count);

// Whether the review dropped this written form with this reading
// (kRefusedSpellings): a spelling the store does not hold is then not offered.
bool IsRefusedSpelling(const char* written, const char* hiragana);

struct ComposeResult {
    int32_t characterCount;                      // characters of the written form
    int32_t pieceCount;                          // readings shown: one per character, or one for a
                                                 // name read as a whole (陽向 ひなた)
    char written[kResultTextSize];               // empty in an empty row
    char pieces[kMaxComposedCharacters][kComposedPieceSize];
    double likelihood;                           // SpellingLikelihood of its likeliest split; 0
                                                 // for a spelling no pairs compose
    int32_t score;                               // totalScore; 0 marks an empty row
    bool known;                                  // the sample store holds it with this reading
    bool today;                                  // ... as a name of today
    bool common;                                 // ... as a usual spelling of the reading today
};

class CComposeSearch {
public:
    CComposeSearch();

    // Copies both texts (the reading as typed) and the choices; texts
    // longer than their fields are cut on a character boundary.
    void SetQuery(const char* surnameText, const char* readingText, int32_t sexChoice = kBothSexes,
                  int32_t todayOnlyChoice = 0);
    void ClearResults();
    // Composes, scores and ranks every spelling: best score first; among
    // equal scores the usual spelling, then a name of today the store
    // holds, then the likelier spelling. A reading with any character
    // other than kana composes nothing.
    void RunSearch(const CSampleName& samples);

    // The reading piece c of row i ("" outside the row).
    const char* PieceReading(int i, int c) const;
    // Whether row i is a usual spelling of its reading today (the view
    // marks it 「◎」); false outside the rows.
    bool IsCommon(int i) const;
    // The list text of row i: rank, score, written form, the readings of
    // its characters in parentheses, "★" when the store knows it and "◎"
    // when it is a usual spelling of today.
    void FormatRow(int i, char* out, std::size_t capacity) const;

    char surname[kSurnameFieldSize];
    char reading[kReadingFieldSize];
    int32_t sex;
    int32_t todayOnly;  // 1: usual spellings and the store's names of today only
    int32_t resultCount;
    // Spellings scored by the last search, ranked or not.
    int64_t spellingsJudged;
    ComposeResult results[kRankingRows];

private:
    struct Walk;
    struct Held;
    // Calls visit(walk, characters) for every spelling of walk.hiragana.
    template <typename Visit>
    void Compose(Walk& walk, std::size_t at, int depth, Visit&& visit);
    void Offer(const Walk& walk, ComposeResult& candidate, const Held* held);
    bool Admits(const Held* held) const;
};

}  // namespace hoshikura
