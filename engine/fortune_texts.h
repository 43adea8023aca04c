// Built-in fortune texts, one array per grid kind, indexed by grid number - 1.
// Person, earth and outer texts of the numbers 72..81 are empty strings.
#pragma once

namespace hoshikura {

constexpr int kFortuneNumbers = 81;

extern const char* const kPersonFortuneTexts[kFortuneNumbers];
extern const char* const kEarthFortuneTexts[kFortuneNumbers];
extern const char* const kOuterFortuneTexts[kFortuneNumbers];
extern const char* const kTotalFortuneTexts[kFortuneNumbers];

}  // namespace hoshikura
