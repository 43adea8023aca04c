#include "name_ranking.h"

#include <cstring>

#include "sjis_text.h"

namespace hoshikura {

void ClearNameResults(NameResult (&rows)[kRankingRows], int32_t& count) {
    count = 0;
    for (NameResult& row : rows) {
        row.written[0] = '\0';
        row.score = 0;
    }
}

void InsertNameResult(NameResult (&rows)[kRankingRows], int32_t& count, const CNameRecord& record,
                      const char* written, const char* reading) {
    // A name the full ranking would drop needs no duplicate check.
    if (!RankingTakes(rows, count, record.totalScore, true)) return;
    // Compared as it would be stored, so that a cut form is still found.
    char form[kResultTextSize];
    CopyText(form, sizeof form, written ? written : "");
    for (int32_t i = 0; i < count && i < kRankingRows; ++i)
        if (std::strcmp(rows[i].written, form) == 0) return;

    NameResult* row = OpenRankedRow(rows, count, record.totalScore, true);
    if (!row) return;
    row->characterCount = CopyGivenStrokes(record, row->strokes);
    CopyText(row->written, sizeof row->written, form);
    CopyText(row->reading, sizeof row->reading, reading ? reading : "");
    row->score = record.totalScore;
}

}  // namespace hoshikura
