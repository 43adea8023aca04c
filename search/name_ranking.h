// The ranking of sample given names shared by the reading and the kanji
// search: one row per distinct written form, highest score first.
#pragma once

#include <cstdint>

#include "name_record.h"
#include "ranking.h"

namespace hoshikura {

constexpr int kResultTextSize = 32;

struct NameResult {
    int32_t characterCount;  // the given name's characters, at most kRowStrokes
    char written[kResultTextSize];  // empty in an empty row
    char reading[kResultTextSize];  // the sample's reading, or empty
    int32_t strokes[kRowStrokes];   // as the stroke table gives them
    int32_t score;                  // totalScore; 0 marks an empty row
    bool today;                     // a name still given today (generation_filter.h)
};

// Every row empty and the count 0.
void ClearNameResults(NameResult (&rows)[kRankingRows], int32_t& count);

// Ranked insertion of one scored sample name: in front of the first row it
// beats, or equals when the newcomer is a name of today or the row is not,
// so among equal scores names of today come first and, within each
// generation, the later one. A written form already held by a row in use is
// not offered again (the first one met stays). The texts are cut to their
// fields on a character boundary.
void InsertNameResult(NameResult (&rows)[kRankingRows], int32_t& count, const CNameRecord& record,
                      const char* written, const char* reading, bool today = true);

}  // namespace hoshikura
