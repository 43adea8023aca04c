// One analysed person: name texts, stroke counts, five grids and scores.
#pragma once

#include <cstdint>

namespace hoshikura {

constexpr int kNameTextSize = 32;
constexpr int kMaxCharacters = 20;
constexpr int kGridCount = 5;
constexpr int kMethodCount = 4;

// Grid index order used by every table, loop and view.
enum GridIndex { kHeaven = 0, kPerson = 1, kEarth = 2, kOuter = 3, kTotal = 4 };
// Method index order.
enum MethodIndex { kStrokeMethod = 0, kElementMethod = 1, kYinYangMethod = 2, kSameStrokeMethod = 3 };

struct CNameRecord {
    char surname[kNameTextSize];
    char givenName[kNameTextSize];
    int32_t grids[kGridCount];  // in GridIndex order
    int32_t strokes[kMaxCharacters];
    int32_t surnameLength;
    int32_t givenLength;
    int32_t scores[kMethodCount];
    int32_t totalScore;
    int32_t elementPoints[4];

    // Fills everything from the two name texts.
    void Analyse(const char* surnameText, const char* givenText);
    // Recomputes grids and scores from strokes and the two lengths.
    void Evaluate();
    // strokes[i], or 0 for a position outside the array.
    int32_t StrokeAt(int i) const;
};

}  // namespace hoshikura
