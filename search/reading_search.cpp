#include "reading_search.h"

#include <cstring>

#include "kana_fold.h"
#include "sample_walk.h"
#include "sex_filter.h"
#include "sjis_text.h"

namespace hoshikura {

CReadingSearch::CReadingSearch()
    : surname{}, reading{}, resultCount(0), results{}, sexChoice(kBothSexes), wanted_{} {
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
    WalkSampleNames(samples, sexChoice, [&](int32_t first, int32_t rest, int32_t k) {
        char sampleReading[kMaxReadingBytes + 1] = "";
        samples.GetSampleYomi(first, rest, k, sampleReading);
        if (std::strcmp(sampleReading, wanted_) != 0) return;
        char written[kMaxWrittenBytes + 1] = "";
        samples.GetSampleKj(first, rest, k, written);
        // Scored by the stroke table, not by the key the sample is filed under.
        record.Analyse(surname, written);
        InsertResult(record, written);
    });
}

void CReadingSearch::InsertResult(const CNameRecord& record, const char* writtenForm, const char* readingText) {
    InsertNameResult(results, resultCount, record, writtenForm, readingText);
}

}  // namespace hoshikura
