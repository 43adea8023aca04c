#include <gtest/gtest.h>

#include <cmath>

#include "rating.h"

using namespace hoshikura;

// Every integer score of every scale agrees with the description in exact
// arithmetic: (score - lower) / ((upper - lower) / 6), truncated, at most 6.
TEST(Rating, EveryIntegerScoreMatchesTheExactSteps) {
    const RatingBounds scales[] = {kMethodRatingBounds[0], kMethodRatingBounds[1], kTotalRatingBounds};
    for (const RatingBounds& b : scales) {
        for (int score = -1; score <= 1000; ++score) {
            int expected = 0;
            if (score > b.lower) {
                // Compare score against each step boundary lower + k (upper - lower) / 6
                // without division: 6 (score - lower) >= k (upper - lower).
                while (expected < 6 && 6 * (score - b.lower) >= (expected + 1) * (b.upper - b.lower))
                    ++expected;
            }
            EXPECT_EQ(RatingLevel(score, b.lower, b.upper), expected) << score;
        }
    }
}
