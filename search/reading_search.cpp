#include "reading_search.h"

#include "kana_fold.h"
#include "sample_walk.h"
#include "sex_filter.h"
#include "sjis_text.h"

namespace hoshikura {

CReadingSearch::CReadingSearch()
    : surname{}, reading{}, resultCount(0), results{}, sexChoice(kBothSexes), todayOnly(0), wanted_{} {
    ClearResults();
}

void CReadingSearch::SetQuery(const char* surnameText, const char* readingText) {
    CopyText(surname, sizeof surname, surnameText ? surnameText : "");
    CopyText(reading, sizeof reading, readingText ? readingText : "");
    CopyText(wanted_, sizeof wanted_, reading);
    FoldKatakana(wanted_);
}

void CReadingSearch::ClearResults() { ClearNameResults(results, resultCount); }

void CReadingSearch::RunSearch(const CSampleName& samples) {
    CNameRecord record;
    WalkSamplesRead(samples, sexChoice, todayOnly, wanted_,
                    [&](const char* written, int32_t first, int32_t rest, int32_t k) {
                        // Scored by the stroke table, not by the key the sample is filed under.
                        record.Analyse(surname, written);
                        InsertResult(record, written, "", IsNameOfToday(samples.GetSampleGeneration(first, rest, k)));
                    });
}

void CReadingSearch::InsertResult(const CNameRecord& record, const char* writtenForm, const char* readingText,
                                  bool today) {
    InsertNameResult(results, resultCount, record, writtenForm, readingText, today);
}

}  // namespace hoshikura
