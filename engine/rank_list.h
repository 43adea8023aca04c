// The ten best and ten worst names judged so far.
#pragma once

#include <cstdint>
#include <type_traits>

namespace hoshikura {

constexpr int kRankRows = 10;
constexpr int kRankNameSize = 12;  // bytes per name field, NUL included

// One list of ten rows as three parallel arrays. The registry store loads and
// saves these arrays as they are, so the layout must not change.
struct CRankList {
    char surnames[kRankRows][kRankNameSize];
    char givenNames[kRankRows][kRankNameSize];
    int32_t scores[kRankRows];

    // Every row becomes "---", "---", 0 (an empty row).
    void Clear();
};

// True when a row of these values can stand in a list as a judged name: both
// names given and a score above 0. Every judged name scores above 0, so only
// the score tells an empty row: a name typed as "---" is a judged name too.
bool IsFilledRow(const char* surname, const char* givenName, int32_t score);

static_assert(std::is_standard_layout<CRankList>::value &&
                  std::is_trivially_copyable<CRankList>::value,
              "CRankList is stored byte for byte");
static_assert(sizeof(CRankList) == 2 * kRankRows * kRankNameSize + kRankRows * sizeof(int32_t),
              "CRankList must have no padding");

// The best list (highest score in row 0) and the worst list (lowest in row 0).
// Among equal scores the most recently offered name stands higher; empty rows
// gather at the bottom. Rows loaded from storage are used as stored.
struct CRankLists {
    CRankList best;
    CRankList worst;

    // Empties both lists.
    void Clear();

    // Offers one judged name to the best list, then to the worst list; each
    // list decides on its own. A list that already holds the same surname and
    // given name in a filled row is left unchanged. Names longer than 11
    // bytes are cut on a character boundary.
    void OfferName(const char* surname, const char* givenName, int32_t score);
};

}  // namespace hoshikura
