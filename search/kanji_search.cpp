#include "kanji_search.h"

#include "sample_walk.h"
#include "sex_filter.h"
#include "sjis_text.h"

namespace hoshikura {

CKanjiSearch::CKanjiSearch()
    : surname{}, resultCount(0), results{}, character{}, sexChoice(kBothSexes), todayOnly(0) {
    ClearResults();
}

void CKanjiSearch::SetQuery(const char* surnameText, const char* characterText) {
    CopyText(surname, sizeof surname, surnameText ? surnameText : "");
    CopyText(character, sizeof character, characterText ? characterText : "");
}

void CKanjiSearch::ClearResults() { ClearNameResults(results, resultCount); }

int32_t CKanjiSearch::Occurrences(const char* written) const {
    // A character text of fewer than two bytes ends in the NUL, which no
    // position of a written form holds: it matches nothing.
    int32_t found = 0;
    for (int pos = 0; written[pos] != '\0' && written[pos + 1] != '\0'; pos += 2)
        found += written[pos] == character[0] && written[pos + 1] == character[1];
    return found;
}

void CKanjiSearch::RunSearch(const CSampleName& samples) {
    CNameRecord record;
    WalkSampleNames(samples, sexChoice, todayOnly, [&](int32_t first, int32_t rest, int32_t k) {
        char written[kMaxWrittenBytes + 1] = "";
        char sampleReading[kMaxReadingBytes + 1] = "";
        samples.GetSampleYomi(first, rest, k, sampleReading);
        samples.GetSampleKj(first, rest, k, written);
        const int32_t found = Occurrences(written);
        if (found == 0) return;
        record.Analyse(surname, written);
        const bool today = IsNameOfToday(samples.GetSampleGeneration(first, rest, k));
        // Offered once per occurrence; the duplicate check keeps one row.
        for (int32_t n = 0; n < found; ++n) InsertResult(record, written, sampleReading, today);
    });
}

void CKanjiSearch::InsertResult(const CNameRecord& record, const char* writtenForm, const char* readingText,
                                bool today) {
    InsertNameResult(results, resultCount, record, writtenForm, readingText, today);
}

}  // namespace hoshikura
