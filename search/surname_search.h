// Sample surnames ranked by their score with a given name, best or worst
// first.
#pragma once

#include <cstdint>

#include "name_record.h"
#include "ranking.h"
#include "sample_name.h"

namespace hoshikura {

constexpr int kGivenFieldSize = 12;
constexpr int kSurnameResultSize = 24;

struct SurnameResult {
    char surname[kSurnameResultSize];
    int32_t score;  // totalScore; 0 marks an empty row
};

class CSurnameSearch {
public:
    CSurnameSearch();

    void SetQuery(int32_t good, const char* givenText);
    void ClearResults();
    // Judges the given name with every sample surname in list order.
    void RunSearch(const CSampleName& samples);
    // Ranked insertion; a surname the list holds twice may take two rows.
    void InsertResult(const CNameRecord& record);

    char givenName[kGivenFieldSize];
    int32_t resultCount;
    SurnameResult results[kRankingRows];
    int32_t wantGood;
};

}  // namespace hoshikura
