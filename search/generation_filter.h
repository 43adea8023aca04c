// Whether a sample given name is still given to children today, and which
// names a search lists when the user asks for names of today only.
#pragma once

#include <cstdint>

namespace hoshikura {

// The generation of a sample given name, one letter each in the built-in data.
constexpr char kGenerationToday = 't';   // still given to children today
constexpr char kGenerationUsual = 'c';   // of today, and a usual spelling of its reading
constexpr char kGenerationOlder = 'o';   // typical of people born before about 1980

// A letter of the data as a generation: anything unknown is today, so that
// no entry the data does not mark is hidden.
inline char SampleGenerationFromLetter(char letter) {
    return letter == kGenerationUsual || letter == kGenerationOlder ? letter : kGenerationToday;
}

// Whether a name of this generation is still given today.
inline bool IsNameOfToday(char generation) { return generation != kGenerationOlder; }

// Whether a name of `generation` is listed when `todayOnly` is set (a
// stored value: anything but 1 is off).
bool GenerationAdmits(int32_t todayOnly, char generation);

// A stored value as the choice: 1 lists names of today only, anything else all.
int32_t TodayOnlyFromStored(int32_t value);

// What a result list says when it holds nothing: "該当なし", and when names of
// today only are listed "該当なし（今の名前だけ）", so the user knows to widen it.
const char* EmptyResultText(int32_t todayOnly);

// What the title of a result view ends with: one bracket for both choices,
// "（男の子・今の名前）", "（女の子）", "（今の名前）", or nothing.
const char* FilterTitleSuffix(int32_t sexChoice, int32_t todayOnly);

}  // namespace hoshikura
