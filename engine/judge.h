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

// Element 0..4 (wood, fire, earth, metal, water) of a grid number, by its
// last digit; a grid of 0 counts as wood.
int32_t ElementOf(int32_t n);

class CJudge {
public:
    CJudge();

    // Class -2..2 of n in 0..81, 0 for any other n (not reduced).
    int32_t LuckClass(int32_t n) const;
    // Value 0..100 of n in 0..81, 0 for any other n (not reduced).
    int32_t NumberValue(int32_t n) const;

    int32_t StrokeScore(const CNameRecord& record) const;
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

// Word shown for an element 0..4, e.g. "木"; "" outside.
const char* ElementWord(int32_t element);

}  // namespace hoshikura
