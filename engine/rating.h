// The seven-step rating scale of method scores and the total score.
#pragma once

#include <cstdint>

namespace hoshikura {

constexpr int kRatingLevels = 7;

struct RatingBounds {
    int32_t lower;
    int32_t upper;
};

// Bounds of the four methods in method index order, and of the total.
extern const RatingBounds kMethodRatingBounds[4];
extern const RatingBounds kTotalRatingBounds;

// Level 0..6: 0 at or below lower, else floor(6 (score - lower) / (upper - lower)),
// at most 6. Computed in integers so no step falls to rounding error.
int RatingLevel(int32_t score, int32_t lower, int32_t upper);
// The level of a score of method 0..3 within its bounds, and of a total.
int MethodRatingLevel(int method, int32_t score);
int TotalRatingLevel(int32_t total);

// "かなり悪い" .. "とても良い" for a method score; "" outside 0..6.
const char* RatingWord(int level);
// "かなり悪いです。" .. "最高！" for the total score; "" outside 0..6.
const char* RatingSentence(int level);

}  // namespace hoshikura
