#include <gtest/gtest.h>

#include <cmath>

#include "rating.h"

using namespace hoshikura;

TEST(Rating, StatedSteps) {
    EXPECT_EQ(RatingLevel(200, 200, 500), 0);
    EXPECT_EQ(RatingLevel(201, 200, 500), 0);
    EXPECT_EQ(RatingLevel(250, 200, 500), 1);
    EXPECT_EQ(RatingLevel(500, 200, 500), 6);
    EXPECT_EQ(RatingLevel(625, 200, 500), 6);
    EXPECT_EQ(RatingLevel(-1, 200, 500), 0);
    EXPECT_EQ(RatingLevel(52, 10, 95), 2);
    EXPECT_EQ(RatingLevel(10, 10, 95), 0);
    EXPECT_EQ(RatingLevel(95, 10, 95), 6);
    EXPECT_EQ(RatingLevel(251, 250, 750), 0);
    EXPECT_EQ(RatingLevel(334, 250, 750), 1);
    EXPECT_EQ(RatingLevel(750, 250, 750), 6);
    EXPECT_EQ(RatingLevel(2000, 250, 750), 6);
}

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

TEST(Rating, WordsAndSentences) {
    EXPECT_STREQ(RatingWord(0), "かなり悪い");
    EXPECT_STREQ(RatingWord(6), "とても良い");
    EXPECT_STREQ(RatingSentence(2), "ちょっと悪いです。");
    EXPECT_STREQ(RatingSentence(6), "最高！");
    EXPECT_STREQ(RatingWord(7), "");
    EXPECT_STREQ(RatingSentence(-1), "");
}
