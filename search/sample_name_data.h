// Built-in sample names, in the text formats the sample store parses.
#pragma once

namespace hoshikura {

// Surnames: groups of texts in reading order. Each text holds surnames
// separated by the full-width blank; each group ends with an empty text.
constexpr int kSurnameGroupCount = 15;
extern const char* const* const kSurnameGroups[kSurnameGroupCount];

// Given names under one stroke key (strokes of the first character, sum of
// the strokes of the others). Each text holds up to 10 entries
// "written__reading" separated by single ASCII blanks. `sexes` holds one
// letter per entry in the order of the texts ('b' boy, 'g' girl, 'e'
// either); entries past its end, or all of them when it is null, are names
// for either sex. `generations` holds one letter per entry the same way ('t'
// a name of today, 'c' one of today that is a usual spelling of its reading,
// 'o' a name of the older generation); entries past its end, or all of them
// when it is null, are names of today.
struct SampleNameKey {
    int firstStrokes;
    int restStrokes;
    int textCount;
    const char* const* texts;
    const char* sexes;
    const char* generations;
};

// Every key that holds names, ordered by firstStrokes, then restStrokes.
extern const SampleNameKey kSampleNameKeys[];
extern const int kSampleNameKeyCount;

}  // namespace hoshikura
