#include "surname_search.h"

#include "sjis_text.h"

namespace hoshikura {

CSurnameSearch::CSurnameSearch() : givenName{}, resultCount(0), results{}, wantGood(1) { ClearResults(); }

void CSurnameSearch::SetQuery(int32_t good, const char* givenText) {
    wantGood = good;
    CopyText(givenName, sizeof givenName, givenText ? givenText : "");
}

void CSurnameSearch::ClearResults() {
    resultCount = 0;
    for (SurnameResult& row : results) row.score = 0;
}

void CSurnameSearch::RunSearch(const CSampleName& samples) {
    CNameRecord record;
    for (int32_t i = 0; i < samples.GetSampleSeiCount(); ++i) {
        char surname[kSurnameFieldSize] = "";
        samples.GetSampleSei(i, surname);
        record.Analyse(surname, givenName);
        InsertResult(record);
    }
}

void CSurnameSearch::InsertResult(const CNameRecord& record) {
    SurnameResult* row = OpenRankedRow(results, resultCount, record.totalScore, wantGood != 0);
    if (!row) return;
    CopyText(row->surname, sizeof row->surname, record.surname);
    row->score = record.totalScore;
}

}  // namespace hoshikura
