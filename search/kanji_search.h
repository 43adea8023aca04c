// Sample given names that contain one chosen character, ranked by their score
// with a surname and shown with their readings.
#pragma once

#include <cstdint>

#include "name_ranking.h"
#include "name_record.h"
#include "ranking.h"
#include "sample_name.h"

namespace hoshikura {

constexpr int kCharacterFieldSize = 8;

class CKanjiSearch {
public:
    CKanjiSearch();

    // Copies both texts; the character is one two-byte character.
    void SetQuery(const char* surnameText, const char* characterText);
    void ClearResults();
    // Scores every sample the sex choice lists that holds the character at a
    // character position.
    void RunSearch(const CSampleName& samples);
    // Ranked insertion with the duplicate check, keeping the reading.
    void InsertResult(const CNameRecord& record, const char* writtenForm, const char* readingText,
                      bool today = true);

    char surname[kSurnameFieldSize];
    int32_t resultCount;
    NameResult results[kRankingRows];
    char character[kCharacterFieldSize];
    int32_t sexChoice;  // the names listed (sex_filter.h); both after construction
    int32_t todayOnly;  // 1: names of today only (generation_filter.h); 0 after construction

private:
    // Times the character stands in the written form, compared two bytes at
    // a time from the start so that a trail byte is never taken for a lead.
    int32_t Occurrences(const char* written) const;
};

}  // namespace hoshikura
