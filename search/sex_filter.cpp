#include "sex_filter.h"

#include <initializer_list>

#include "generation_filter.h"

namespace hoshikura {

int32_t SexChoiceFromStored(int32_t value) {
    return value == kBoysOnly || value == kGirlsOnly ? value : kBothSexes;
}

char SampleSexFromLetter(char letter) {
    return letter == kSexBoy || letter == kSexGirl ? letter : kSexEither;
}

bool SexChoiceAdmits(int32_t choice, char sex) {
    switch (SexChoiceFromStored(choice)) {
    case kBoysOnly:
        return sex != kSexGirl;
    case kGirlsOnly:
        return sex != kSexBoy;
    default:
        return true;
    }
}

const char* SexChoiceTitleSuffix(int32_t choice) {
    switch (SexChoiceFromStored(choice)) {
    case kBoysOnly:
        return "（男の子）";
    case kGirlsOnly:
        return "（女の子）";
    default:
        return "";
    }
}

namespace {

bool Listed(const CSampleName& samples, int32_t firstStrokes, int32_t restStrokes, int32_t k, int32_t choice,
            int32_t todayOnly) {
    return SexChoiceAdmits(choice, samples.GetSampleSex(firstStrokes, restStrokes, k)) &&
           GenerationAdmits(todayOnly, samples.GetSampleGeneration(firstStrokes, restStrokes, k));
}

}  // namespace

int32_t AdmittedSampleCount(const CSampleName& samples, int32_t firstStrokes, int32_t restStrokes,
                            int32_t choice, int32_t todayOnly) {
    int32_t admitted = 0;
    const int32_t count = samples.GetSampleCount(firstStrokes, restStrokes);
    for (int32_t k = 0; k < count; ++k) admitted += Listed(samples, firstStrokes, restStrokes, k, choice, todayOnly);
    return admitted;
}

int32_t AdmittedSampleIndex(const CSampleName& samples, int32_t firstStrokes, int32_t restStrokes,
                            int32_t choice, int32_t row, int32_t todayOnly) {
    const int32_t count = samples.GetSampleCount(firstStrokes, restStrokes);
    int32_t seen = 0;
    // Names of today first, then the older ones.
    for (const bool today : {true, false}) {
        for (int32_t k = count - 1; k >= 0 && row >= 0; --k) {
            if (IsNameOfToday(samples.GetSampleGeneration(firstStrokes, restStrokes, k)) != today) continue;
            if (!Listed(samples, firstStrokes, restStrokes, k, choice, todayOnly)) continue;
            if (seen++ == row) return k;
        }
    }
    return -1;
}

}  // namespace hoshikura
