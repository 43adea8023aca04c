// The 200-row rankings every search fills, and what their rows share.
#pragma once

#include <cstdint>
#include <cstring>

#include "name_record.h"

namespace hoshikura {

constexpr int kRankingRows = 200;
// Name texts of a query as typed: at most five characters and the NUL.
constexpr int kSurnameFieldSize = 12;
// Stroke entries a row keeps of its given name.
constexpr int kRowStrokes = 3;

// Whether a query flag text asks for good results: it begins with 'G'.

// Insertion into rows[0..count) in front of the first empty row or the
// first row the newcomer goes before (goesBefore(row) is true); the rows
// behind move down and with 200 rows in use the last falls off. Returns the
// opened row, cleared, for the caller to fill; null when the newcomer goes
// before no row and is dropped.
template <typename Row, typename GoesBefore>
Row* OpenRowWhere(Row (&rows)[kRankingRows], int32_t& count, GoesBefore&& goesBefore) {
    int i = 0;
    for (; i < kRankingRows; ++i)
        if (rows[i].score == 0 || goesBefore(rows[i])) break;
    if (i == kRankingRows) return nullptr;
    const int used = count < 0 ? 0 : (count < kRankingRows ? count : kRankingRows - 1);
    if (used > i) std::memmove(&rows[i + 1], &rows[i], sizeof(Row) * static_cast<std::size_t>(used - i));
    if (count < kRankingRows) ++count;
    rows[i] = Row{};
    return &rows[i];
}

// Whether OpenRowWhere would find a row: a ranking it filled is sorted, so
// its last row is the one to go before once all are used.
template <typename Row, typename GoesBefore>
bool RankingTakesWhere(const Row (&rows)[kRankingRows], int32_t count, GoesBefore&& goesBefore) {
    return count < kRankingRows || rows[kRankingRows - 1].score == 0 ||
           goesBefore(rows[kRankingRows - 1]);
}

// The ranking rule of the searches: the newcomer goes in front of the first
// row it equals or beats (higher scores are better when highFirst, lower
// ones otherwise), so among equal scores the later one comes first.
template <typename Row>
auto EqualsOrBeats(int32_t score, bool highFirst) {
    return [score, highFirst](const Row& row) {
        return highFirst ? score >= row.score : score <= row.score;
    };
}

template <typename Row>
Row* OpenRankedRow(Row (&rows)[kRankingRows], int32_t& count, int32_t score, bool highFirst) {
    return OpenRowWhere(rows, count, EqualsOrBeats<Row>(score, highFirst));
}

template <typename Row>
bool RankingTakes(const Row (&rows)[kRankingRows], int32_t count, int32_t score, bool highFirst) {
    return RankingTakesWhere(rows, count, EqualsOrBeats<Row>(score, highFirst));
}

// The rank a result list shows for a row: its 1-based position, except that
// a row with the score of the row before it shares that row's rank (1, 2, 2, 4).
template <typename Row>
int32_t ShownRank(const Row (&rows)[kRankingRows], int row) {
    if (row < 0 || row >= kRankingRows) return 0;
    int first = row;
    while (first > 0 && rows[first - 1].score == rows[row].score) --first;
    return first + 1;
}

// Copies the stroke entries of the record's given-name characters, at most
// kRowStrokes of them; returns how many were copied.
inline int32_t CopyGivenStrokes(const CNameRecord& record, int32_t (&strokes)[kRowStrokes]) {
    const int32_t count = record.givenLength < kRowStrokes ? record.givenLength : kRowStrokes;
    for (int32_t c = 0; c < count; ++c) strokes[c] = record.StrokeAt(record.surnameLength + c);
    return count < 0 ? 0 : count;
}

}  // namespace hoshikura
