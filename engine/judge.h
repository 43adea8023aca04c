// The scoring engine: number tables 0..81, five-element tables, and the four
// method scores of a name record.
#pragma once

#include <cstdint>

namespace hoshikura {

struct CNameRecord;

constexpr int kMaxGridNumber = 81;

// Luck classes of the grid numbers.
enum LuckClassValue { kVeryUnlucky = -2, kUnlucky = -1, kSlightlyLucky = 0, kLucky = 1, kVeryLucky = 2 };

// A number above 81 stands for n - 80, repeated until it lies in 1..81 (so
// 82 stands for 2, 161 for 81 and 162 for 2). Numbers up to 81 stay as they are.
int32_t ReduceNumber(int32_t n);

// A grid number as the diagram's two-digit box shows it: one of 100 or more
// loses its hundreds. The luck rows and the printed page judge that number.
int32_t ShownGridNumber(int32_t n);

// Element 0..4 (wood, fire, earth, metal, water) of a grid number, by its
// last digit; a grid of 0 counts as wood.
int32_t ElementOf(int32_t n);

constexpr int kElementLinks = 4;

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
    int32_t YinYangScore(const CNameRecord& record) const;
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

// Colour a number of this luck class is written in, as 0x00BBGGRR (a
// Windows COLORREF): blue for lucky, red for unlucky, black otherwise.
uint32_t LuckColour(int32_t luckClass);

// Word shown for an element 0..4, e.g. "木"; "" outside.
const char* ElementWord(int32_t element);

}  // namespace hoshikura
