#include "rating.h"

namespace hoshikura {

const RatingBounds kMethodRatingBounds[4] = {{200, 500}, {10, 95}, {10, 95}, {10, 95}};
const RatingBounds kTotalRatingBounds = {250, 750};

int RatingLevel(int32_t score, int32_t lower, int32_t upper) {
    if (score <= lower) return 0;
    if (upper <= lower) return kRatingLevels - 1;
    const int64_t level = 6 * (static_cast<int64_t>(score) - lower) / (static_cast<int64_t>(upper) - lower);
    return level > 6 ? 6 : static_cast<int>(level);
}

int MethodRatingLevel(int method, int32_t score) {
    const RatingBounds& bounds = kMethodRatingBounds[method];
    return RatingLevel(score, bounds.lower, bounds.upper);
}

int TotalRatingLevel(int32_t total) { return RatingLevel(total, kTotalRatingBounds.lower, kTotalRatingBounds.upper); }

const char* RatingWord(int level) {
    static const char* const kWords[kRatingLevels] = {
        "かなり悪い", "悪い", "やや悪い", "普通", "まあまあ", "良い", "とても良い"};
    return (level >= 0 && level < kRatingLevels) ? kWords[level] : "";
}

const char* RatingSentence(int level) {
    static const char* const kSentences[kRatingLevels] = {
        "かなり悪いです。", "悪いです。", "ちょっと悪いです。", "そこそこです。",
        "まずまず。", "良いです。", "最高！"};
    return (level >= 0 && level < kRatingLevels) ? kSentences[level] : "";
}

}  // namespace hoshikura
