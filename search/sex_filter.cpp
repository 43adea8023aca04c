#include "sex_filter.h"

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

int32_t AdmittedSampleCount(const CSampleName& samples, int32_t firstStrokes, int32_t restStrokes,
                            int32_t choice) {
    int32_t admitted = 0;
    const int32_t count = samples.GetSampleCount(firstStrokes, restStrokes);
    for (int32_t k = 0; k < count; ++k)
        admitted += SexChoiceAdmits(choice, samples.GetSampleSex(firstStrokes, restStrokes, k));
    return admitted;
}

int32_t AdmittedSampleIndex(const CSampleName& samples, int32_t firstStrokes, int32_t restStrokes,
                            int32_t choice, int32_t row) {
    const int32_t count = samples.GetSampleCount(firstStrokes, restStrokes);
    for (int32_t k = count - 1, seen = 0; k >= 0 && row >= 0; --k) {
        if (!SexChoiceAdmits(choice, samples.GetSampleSex(firstStrokes, restStrokes, k))) continue;
        if (seen++ == row) return k;
    }
    return -1;
}

}  // namespace hoshikura
