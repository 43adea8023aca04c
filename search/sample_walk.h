// The order in which the reading and the kanji search meet the sample given
// names: the one-character keys (a, 0) for a = 1..29, then the keys (a, b)
// for a = 1..29 and b = 1..45, each key's entries in stored order. The
// ranges are those of the stroke patterns; keys beyond the name table hold
// no entries, so every filled key is met exactly once. Entries the sex
// choice does not list, and older names when names of today only are
// listed, are passed over.
#pragma once

#include <cstdint>
#include <cstring>

#include "generation_filter.h"
#include "sample_name.h"
#include "sex_filter.h"

namespace hoshikura {

constexpr int32_t kWalkFirstStrokes = 29;
constexpr int32_t kWalkRestStrokes = 45;

// Calls visit(firstStrokes, restStrokes, k) for every entry the choices
// list, in walk order.
template <typename Visit>
void WalkSampleNames(const CSampleName& samples, int32_t sexChoice, int32_t todayOnly, Visit&& visit) {
    auto visitKey = [&](int32_t first, int32_t rest) {
        const int32_t count = samples.GetSampleCount(first, rest);
        for (int32_t k = 0; k < count; ++k)
            if (SexChoiceAdmits(sexChoice, samples.GetSampleSex(first, rest, k)) &&
                GenerationAdmits(todayOnly, samples.GetSampleGeneration(first, rest, k)))
                visit(first, rest, k);
    };
    for (int32_t a = 1; a <= kWalkFirstStrokes; ++a) visitKey(a, 0);
    for (int32_t a = 1; a <= kWalkFirstStrokes; ++a)
        for (int32_t b = 1; b <= kWalkRestStrokes; ++b) visitKey(a, b);
}

// Calls visit(written, first, rest, k) for every entry the choices list
// whose reading equals `reading` byte for byte, in walk order.
template <typename Visit>
void WalkSamplesRead(const CSampleName& samples, int32_t sexChoice, int32_t todayOnly, const char* reading,
                     Visit&& visit) {
    WalkSampleNames(samples, sexChoice, todayOnly, [&](int32_t first, int32_t rest, int32_t k) {
        char sampleReading[kMaxReadingBytes + 1] = "";
        samples.GetSampleYomi(first, rest, k, sampleReading);
        if (std::strcmp(sampleReading, reading) != 0) return;
        char written[kMaxWrittenBytes + 1] = "";
        samples.GetSampleKj(first, rest, k, written);
        visit(static_cast<const char*>(written), first, rest, k);
    });
}

}  // namespace hoshikura
