#include "reading_search.h"

#include "sample_walk.h"
#include "sjis_text.h"

namespace hoshikura {

CReadingSearch::CReadingSearch() : surname{}, reading{}, resultCount(0), results{} { ClearResults(); }

void CReadingSearch::SetQuery(const char* surnameText, const char* readingText) {
    CopyText(surname, sizeof surname, surnameText ? surnameText : "");
    CopyText(reading, sizeof reading, readingText ? readingText : "");
}

void CReadingSearch::ClearResults() { ClearNameResults(results, resultCount); }

void CReadingSearch::RunSearch(const CSampleName& samples) {
    CNameRecord record;
    WalkSamplesRead(samples, reading, [&](const char* written) {
        // Scored by the stroke table, not by the key the sample is filed under.
        record.Analyse(surname, written);
        InsertResult(record, written);
    });
}

void CReadingSearch::InsertResult(const CNameRecord& record, const char* writtenForm, const char* readingText) {
    InsertNameResult(results, resultCount, record, writtenForm, readingText);
}

}  // namespace hoshikura
