// Sample given names with a wished-for reading, ranked by their score with a
// surname.
#pragma once

#include <cstdint>

#include "name_ranking.h"
#include "name_record.h"
#include "ranking.h"
#include "sample_name.h"

namespace hoshikura {

constexpr int kReadingFieldSize = 100;

class CReadingSearch {
public:
    CReadingSearch();

    // Copies both texts; a reading longer than its field is cut on a
    // character boundary (it is then longer than any sample reading anyway).
    // The reading is kept as typed and looked up with its katakana read as
    // hiragana.
    void SetQuery(const char* surnameText, const char* readingText);
    void ClearResults();
    // Scores every sample the sex choice lists whose reading equals the
    // looked-up one byte for byte.
    void RunSearch(const CSampleName& samples);
    // Ranked insertion with the duplicate check of the name ranking.
    void InsertResult(const CNameRecord& record, const char* writtenForm, const char* readingText = "",
                      bool today = true);

    char surname[kSurnameFieldSize];
    char reading[kReadingFieldSize];
    int32_t resultCount;
    NameResult results[kRankingRows];
    int32_t sexChoice;  // the names listed (sex_filter.h); both after construction
    int32_t todayOnly;  // 1: names of today only (generation_filter.h); 0 after construction

private:
    char wanted_[kReadingFieldSize];  // the reading as it is looked up
};

}  // namespace hoshikura
