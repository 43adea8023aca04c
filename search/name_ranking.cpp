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
                      const char* written, const char* reading, bool today) {
    const int32_t score = record.totalScore;
    auto goesBefore = [score, today](const NameResult& row) {
        return score > row.score || (score == row.score && (today || !row.today));
    };
    // A name the full ranking would drop needs no duplicate check.
    if (!RankingTakesWhere(rows, count, goesBefore)) return;
    // Compared as it would be stored, so that a cut form is still found.
    char form[kResultTextSize];
    CopyText(form, sizeof form, written ? written : "");
    for (int32_t i = 0; i < count && i < kRankingRows; ++i)
        if (std::strcmp(rows[i].written, form) == 0) return;

    NameResult* row = OpenRowWhere(rows, count, goesBefore);
    if (!row) return;
    row->characterCount = CopyGivenStrokes(record, row->strokes);
    CopyText(row->written, sizeof row->written, form);
    CopyText(row->reading, sizeof row->reading, reading ? reading : "");
    row->score = score;
    row->today = today;
}

}  // namespace hoshikura
