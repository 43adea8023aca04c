#include "judge.h"

#include <cstring>

#include "name_record.h"

namespace hoshikura {

namespace {

// Number value and luck class of 1..81, in order.
struct NumberEntry {
    int32_t value;
    int32_t luck;
};

constexpr NumberEntry kNumberTable[kMaxGridNumber] = {
    {100, 2}, {27, -1}, {74, 1},  {13, -2}, {72, 1},  {83, 1},  {73, 1},  {80, 1},  {12, -2},
    {0, -2},  {65, 1},  {28, -1}, {77, 1},  {15, -2}, {82, 1},  {85, 2},  {72, 1},  {70, 1},
    {42, 0},  {2, -2},  {82, 1},  {18, -1}, {92, 2},  {100, 2}, {66, 0},  {13, -2}, {45, 0},
    {23, -2}, {65, 0},  {27, 0},  {87, 2},  {100, 2}, {80, 1},  {13, -2}, {72, 1},  {30, -1},
    {74, 1},  {69, 1},  {71, 1},  {24, -1}, {78, 1},  {43, 0},  {45, 0},  {9, -2},  {85, 2},
    {38, -1}, {88, 2},  {93, 2},  {50, 0},  {35, -1}, {55, 0},  {86, 1},  {41, 0},  {12, -2},
    {30, -1}, {21, -2}, {72, 1},  {65, 1},  {33, -1}, {32, -1}, {70, 1},  {24, -1}, {91, 2},
    {29, -1}, {99, 2},  {28, -1}, {74, 1},  {73, 1},  {12, -2}, {15, -2}, {50, 0},  {32, -1},
    {60, 0},  {13, -2}, {67, 1},  {23, -1}, {43, 0},  {45, 0},  {28, -1}, {16, 0},  {100, 2},
};

// Rows: the Person grid's element; columns: the other grid's element.
constexpr int32_t kPersonEarthTable[5][5] = {
    {1, 1, 1, 0, 0}, {1, 0, 1, 0, 0}, {0, 1, 1, 1, 0}, {0, 0, 1, 0, 0}, {0, 0, 0, 0, 0},
};
constexpr int32_t kPersonHeavenTable[5][5] = {
    {1, 1, 0, 0, 1}, {1, 1, 1, 0, 0}, {0, 1, 1, 1, 0}, {0, 0, 1, 0, 1}, {0, 0, 0, 0, 0},
};

// Cyclic distance from one element to another, 0..4.
int32_t ElementStep(int32_t from, int32_t to) {
    int32_t d = to - from;
    return d < 0 ? d + 5 : d;
}

bool SameLastDigit(int32_t a, int32_t b) { return a % 10 == b % 10; }

}  // namespace

int32_t CountedNumber(int32_t n) {
    while (n > kMaxGridNumber) n -= 80;
    return n;
}

int32_t ElementOf(int32_t n) { return ((n - 1) % 10) / 2; }

CJudge::CJudge() {
    luckClass_[0] = 0;
    numberValue_[0] = 0;
    for (int n = 1; n <= kMaxGridNumber; ++n) {
        numberValue_[n] = kNumberTable[n - 1].value;
        luckClass_[n] = kNumberTable[n - 1].luck;
    }
    std::memcpy(personEarth_, kPersonEarthTable, sizeof personEarth_);
    std::memcpy(personHeaven_, kPersonHeavenTable, sizeof personHeaven_);
}

int32_t CJudge::LuckClass(int32_t n) const {
    return (n >= 0 && n <= kMaxGridNumber) ? luckClass_[n] : 0;
}

int32_t CJudge::NumberValue(int32_t n) const {
    return (n >= 0 && n <= kMaxGridNumber) ? numberValue_[n] : 0;
}

int32_t CJudge::StrokePoints(int grid, int32_t n) const {
    const int32_t value = NumberValue(CountedNumber(n));
    if (grid == kPerson) return value + value / 2;
    if (grid == kTotal) return value + value * 3 / 4;
    return value;
}

int32_t CJudge::StrokeScore(const CNameRecord& record) const {
    int32_t sum = 0;
    for (int g = 0; g < kGridCount; ++g) {
        if (record.grids[g] < 1) return -1;
        sum += StrokePoints(g, record.grids[g]);
    }
    return sum;
}

ElementLink CJudge::ElementLinkOf(const CNameRecord& record, int link) const {
    const int32_t eP = ElementOf(record.grids[kPerson]);
    switch (link) {
    case 0:
        return personHeaven_[eP][ElementOf(record.grids[kHeaven])] ? ElementLink{25, kLucky}
                                                            : ElementLink{1, kUnlucky};
    case 1:
        return personEarth_[eP][ElementOf(record.grids[kEarth])] ? ElementLink{25, kLucky}
                                                          : ElementLink{1, kUnlucky};
    case 2: {
        // Outer -> Person: generating 25, overcoming 1, anything else 12.
        const int32_t step = ElementStep(ElementOf(record.grids[kOuter]), eP);
        if (step == 1) return {25, kLucky};
        if (step == 2) return {1, kUnlucky};
        return {12, kSlightlyLucky};
    }
    default: {
        // Person -> Total, by the cyclic step from Person to Total.
        constexpr ElementLink kTotalLinks[5] = {{12, kSlightlyLucky},
                                                {25, kLucky},
                                                {1, kUnlucky},
                                                {4, kUnlucky},
                                                {22, kLucky}};
        return kTotalLinks[ElementStep(eP, ElementOf(record.grids[kTotal]))];
    }
    }
}

int32_t CJudge::ElementScore(CNameRecord& record) const {
    int32_t sum = 0;
    for (int link = 0; link < kElementLinks; ++link) {
        record.elementPoints[link] = ElementLinkOf(record, link).points;
        sum += record.elementPoints[link];
    }
    return sum;
}

int CJudge::YinYangRun(const CNameRecord& record, int32_t (&parity)[kMaxCharacters]) const {
    int n = 0;
    parity[n++] = record.strokes[0] % 2;
    while (n < kMaxCharacters && record.strokes[n] >= 1 && record.strokes[n] <= 31) {
        parity[n] = record.strokes[n] % 2;
        ++n;
    }
    return n;
}

int32_t CJudge::YinYangLuck(int32_t score) {
    if (score < 35) return kUnlucky;
    if (score <= 65) return kSlightlyLucky;
    return kLucky;
}

int32_t CJudge::YinYangScore(const CNameRecord& record) const {
    int32_t parity[kMaxCharacters];
    const int n = YinYangRun(record, parity);
    // A seam character outside the run (the run ended inside the surname)
    // counts as even, like a count of 0.
    const int S = record.surnameLength;
    auto parityAt = [&](int i) { return (i >= 0 && i < n) ? parity[i] : 0; };
    const bool seamBreaks = parityAt(S - 1) != parityAt(S);

    int odd = 0;
    for (int i = 0; i < n; ++i) odd += parity[i];
    const int even = n - odd;
    const bool allEqual = odd == 0 || even == 0;

    switch (n) {
    case 1:
        return 0;
    case 2:
        return parity[0] != parity[1] ? 95 : 30;
    case 3:
        if (allEqual) return 15;
        return seamBreaks ? 95 : 35;
    case 4:
        if (seamBreaks) return 100;
        if (S == 2 && parity[0] == parity[3] && parity[0] != parity[1]) return 15;
        return 35;
    default:
        break;
    }
    if (allEqual) return 5;
    const int32_t base = (odd == 1 || even == 1) ? 65 : 100;
    if (seamBreaks) return base;
    return parity[0] != parity[n - 1] ? base - 45 : base - 60;
}

int32_t CJudge::SameStrokeScore(const CNameRecord& record) const {
    constexpr int32_t kPenalties[kSameStrokePatterns] = {10, 10, 10, 15, 25, 30};
    int32_t score = 100;
    for (int pattern = 0; pattern < kSameStrokePatterns; ++pattern)
        if (SameStrokePatternHolds(record, pattern)) score -= kPenalties[pattern];
    return score;
}

bool SameStrokePatternHolds(const CNameRecord& record, int pattern) {
    const int S = record.surnameLength;
    const int n = S + record.givenLength;
    switch (pattern) {
    case kFirstAndLast:
        return SameLastDigit(record.StrokeAt(0), record.StrokeAt(n - 1));
    case kBothHeads:
        return SameLastDigit(record.StrokeAt(0), record.StrokeAt(S));
    case kAcrossSeam:
        return SameLastDigit(record.StrokeAt(S - 1), record.StrokeAt(S));
    case kHeavenAndOuter:
        return SameLastDigit(record.grids[kHeaven], record.grids[kOuter]);
    case kHeavenAndEarth:
        return SameLastDigit(record.grids[kHeaven], record.grids[kEarth]);
    case kPersonAndOuter:
        return SameLastDigit(record.grids[kPerson], record.grids[kOuter]);
    default:
        return false;
    }
}

const char* SameStrokePatternName(int pattern) {
    static const char* const kNames[kSameStrokePatterns] = {"本同画",   "頭同画",   "中同画",
                                                            "天外同画", "天地同画", "横同画"};
    return (pattern >= 0 && pattern < kSameStrokePatterns) ? kNames[pattern] : "";
}

const CJudge& TheJudge() {
    static const CJudge judge;
    return judge;
}

const char* LuckWord(int32_t luckClass) {
    static const char* const kWords[5] = {"大凶数", "凶数", "小吉数", "吉数", "大吉数"};
    return (luckClass >= -2 && luckClass <= 2) ? kWords[luckClass + 2] : "";
}

const char* GridName(int grid) {
    static const char* const kNames[kGridCount] = {"天格", "人格", "地格", "外格", "総格"};
    return (grid >= 0 && grid < kGridCount) ? kNames[grid] : "";
}

const char* MethodName(int method) {
    static const char* const kNames[kMethodCount] = {"画数", "五行", "陰陽", "同画"};
    return (method >= 0 && method < kMethodCount) ? kNames[method] : "";
}

const char* ElementWord(int32_t element) {
    static const char* const kWords[5] = {"木", "火", "土", "金", "水"};
    return (element >= 0 && element <= 4) ? kWords[element] : "";
}

}  // namespace hoshikura
