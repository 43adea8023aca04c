// Whose name a sample given name is, and which names a search lists: all of
// them, or the boys' or the girls' names with those for either sex.
#pragma once

#include <cstdint>

#include "sample_name.h"

namespace hoshikura {

// The sex of a sample given name, one letter each in the built-in data.
constexpr char kSexBoy = 'b';
constexpr char kSexGirl = 'g';
constexpr char kSexEither = 'e';

// The user's choice of names, numbered as it is stored.
constexpr int32_t kBothSexes = 0;
constexpr int32_t kBoysOnly = 1;
constexpr int32_t kGirlsOnly = 2;

// A stored value as a choice: anything but 1 or 2 is both.
int32_t SexChoiceFromStored(int32_t value);

// A letter of the data as a sex: anything unknown is either.
char SampleSexFromLetter(char letter);

// Whether a name of `sex` is listed under `choice`. Names for either sex are
// listed under every choice.
bool SexChoiceAdmits(int32_t choice, char sex);

// What the title of a result view ends with: "（男の子）", "（女の子）", or
// nothing when both are listed.
const char* SexChoiceTitleSuffix(int32_t choice);

// Entries under a key that the choice lists, of today only when `todayOnly`
// is 1 (generation_filter.h); 0 outside the name table.
int32_t AdmittedSampleCount(const CSampleName& samples, int32_t firstStrokes, int32_t restStrokes,
                            int32_t choice, int32_t todayOnly = 0);
// The index k of the row-th entry under the key that the choice (and
// `todayOnly`) lists, or -1 when there are not that many. Lists show the
// names of today first, then the older ones, each the other way round from
// the stored order, so the most common name comes first (the data stores it
// last, for the rankings that put a newcomer before equal scores).
int32_t AdmittedSampleIndex(const CSampleName& samples, int32_t firstStrokes, int32_t restStrokes,
                            int32_t choice, int32_t row, int32_t todayOnly = 0);

}  // namespace hoshikura
