#include "generation_filter.h"

#include "sex_filter.h"

namespace hoshikura {

int32_t TodayOnlyFromStored(int32_t value) { return value == 1 ? 1 : 0; }

bool GenerationAdmits(int32_t todayOnly, char generation) {
    return TodayOnlyFromStored(todayOnly) == 0 || IsNameOfToday(SampleGenerationFromLetter(generation));
}

const char* EmptyResultText(int32_t todayOnly) {
    return TodayOnlyFromStored(todayOnly) ? "該当なし（今の名前だけ）" : "該当なし";
}

const char* FilterTitleSuffix(int32_t sexChoice, int32_t todayOnly) {
    const bool today = TodayOnlyFromStored(todayOnly) != 0;
    switch (SexChoiceFromStored(sexChoice)) {
    case kBoysOnly:
        return today ? "（男の子・今の名前）" : "（男の子）";
    case kGirlsOnly:
        return today ? "（女の子・今の名前）" : "（女の子）";
    default:
        return today ? "（今の名前）" : "";
    }
}

}  // namespace hoshikura
