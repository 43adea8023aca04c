// The scoring engine: number tables 0..81, five-element tables, and the four
// method scores of a name record.
#pragma once

#include <cstdint>

#include "name_record.h"

namespace hoshikura {

constexpr int kMaxGridNumber = 81;

// Luck classes of the grid numbers.
enum LuckClassValue { kVeryUnlucky = -2, kUnlucky = -1, kSlightlyLucky = 0, kLucky = 1, kVeryLucky = 2 };

// The number a grid counts as: above 81, n - 80 until it lies in 1..81 (82
// counts as 2, 161 as 81, 162 as 2); numbers up to 81 count as themselves.
// The score, the luck, the element and the fortune text all read it.
int32_t CountedNumber(int32_t n);

// Element 0..4 (wood, fire, earth, metal, water) of a grid number, by its
// last digit; a grid of 0 counts as wood.
int32_t ElementOf(int32_t n);

constexpr int kElementLinks = 4;

// Highest score of each method: a grid number is worth at most 100, the
// Person grid weighs 1.5 and the Total grid 1.75 in the stroke score; the
// four element links give at most 25 each. The total is their sum.
constexpr int32_t kMethodMaxima[kMethodCount] = {625, 100, 100, 100};
constexpr int32_t kTotalMaximum = kMethodMaxima[0] + kMethodMaxima[1] + kMethodMaxima[2] + kMethodMaxima[3];

// One link between two grids' elements: its points and whether it is
// generating (kLucky), overcoming (kUnlucky) or neither (kSlightlyLucky).
struct ElementLink {
    int32_t points;
    int32_t luck;
};

// The six same-stroke patterns, in the order the same-stroke view lists them.
enum SameStrokePattern {
    kFirstAndLast,     // 本同画: first and last character
    kBothHeads,        // 頭同画: first surname and first given-name character
    kAcrossSeam,       // 中同画: last surname and first given-name character
    kHeavenAndOuter,   // 天外同画
    kHeavenAndEarth,   // 天地同画
    kPersonAndOuter,   // 横同画
    kSameStrokePatterns
};

// Whether `pattern` holds: characters compared by stroke counts, grids by
// numbers, both by their last digit.
bool SameStrokePatternHolds(const CNameRecord& record, int pattern);

// Name of a pattern, e.g. "本同画"; "" outside.
const char* SameStrokePatternName(int pattern);

class CJudge {
public:
    CJudge();

    // Class -2..2 of n in 0..81, 0 for any other n (not reduced).
    int32_t LuckClass(int32_t n) const;
    // Value 0..100 of n in 0..81, 0 for any other n (not reduced).
    int32_t NumberValue(int32_t n) const;

    // Points grid 0..4 with the number n (1 or more) adds to the stroke
    // score: the number's value, weighed 1.5 for the Person grid and 1.75
    // for the Total grid, truncated toward zero.
    int32_t StrokePoints(int grid, int32_t n) const;
    // Sum of the five grids' points; -1 when a grid is below 1.
    int32_t StrokeScore(const CNameRecord& record) const;
    // Link 0..3 (person-heaven, person-earth, outer to person, person to
    // total) in the five-element method.
    ElementLink ElementLinkOf(const CNameRecord& record, int link) const;
    // Also writes record.elementPoints.
    int32_t ElementScore(CNameRecord& record) const;
    // The characters the yin-yang method counts: the first always, then each
    // following one while its count lies in 1..31. Writes each one's parity
    // (1 odd, yang; 0 even, yin) and returns how many there are.
    int YinYangRun(const CNameRecord& record, int32_t (&parity)[kMaxCharacters]) const;
    int32_t YinYangScore(const CNameRecord& record) const;
    // How the yin-yang view words a score: unlucky below 35, slightly lucky
    // up to 65, lucky above.
    static int32_t YinYangLuck(int32_t score);
    int32_t SameStrokeScore(const CNameRecord& record) const;

private:
    int32_t luckClass_[kMaxGridNumber + 1];
    int32_t numberValue_[kMaxGridNumber + 1];
    int32_t personEarth_[5][5];
    int32_t personHeaven_[5][5];
};

// The process-wide engine, built on first use and kept until exit.
const CJudge& TheJudge();

// Word shown for a luck class, e.g. "大吉数"; "" for a value outside -2..2.
const char* LuckWord(int32_t luckClass);

// Name of grid 0..4, "天格" .. "総格"; "" outside.
const char* GridName(int grid);

// Name of method 0..3, "画数" .. "同画"; "" outside.
const char* MethodName(int method);

// Word shown for an element 0..4, e.g. "木"; "" outside.
const char* ElementWord(int32_t element);

}  // namespace hoshikura
