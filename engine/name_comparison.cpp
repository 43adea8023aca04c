#include "name_comparison.h"

#include <algorithm>
#include <cstring>

#include "judge.h"
#include "rating.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

ComparisonRow JudgedRow(int entry, const std::string& surname, const std::string& givenName) {
    ComparisonRow row{};
    row.entry = entry;
    row.record.Analyse(surname.c_str(), givenName.c_str());
    for (int g = 0; g < kGridCount; ++g) row.grids[g] = ReadGrid(row.record, g, nullptr);
    row.totalLevel = TotalRatingLevel(row.record.totalScore);
    return row;
}

// The number a numeric column sorts by.
int64_t SortValue(const ComparisonRow& row, int column) {
    if (column >= kFirstGridColumn && column < kFirstMethodColumn) return row.grids[column - kFirstGridColumn].number;
    if (column >= kFirstMethodColumn && column < kTotalColumn) return row.record.scores[column - kFirstMethodColumn];
    if (column == kTotalColumn) return row.record.totalScore;
    return row.totalLevel;
}

// -1, 0 or 1 as a comes before, with or after b in ascending order.
int Compare(const ComparisonRow& a, const ComparisonRow& b, int column) {
    if (column == kNameColumn) {
        const int surname = std::strcmp(a.record.surname, b.record.surname);
        const int order = surname != 0 ? surname : std::strcmp(a.record.givenName, b.record.givenName);
        return (order > 0) - (order < 0);
    }
    const int64_t x = SortValue(a, column);
    const int64_t y = SortValue(b, column);
    return (x > y) - (x < y);
}

}  // namespace

void CNameComparison::Set(const std::vector<std::pair<std::string, std::string>>& names) {
    rows_.clear();
    for (std::size_t k = 0; k < names.size(); ++k)
        rows_.push_back(JudgedRow(static_cast<int>(k), names[k].first, names[k].second));
    SortBy(kTotalColumn, SortOrder::kDescending);
}

void CNameComparison::SortBy(int column, SortOrder order) {
    if (column < 0 || column >= kComparisonColumns) return;
    sortColumn_ = column;
    order_ = order;
    const int sign = order == SortOrder::kAscending ? 1 : -1;
    std::sort(rows_.begin(), rows_.end(), [column, sign](const ComparisonRow& a, const ComparisonRow& b) {
        const int order = sign * Compare(a, b, column);
        return order != 0 ? order < 0 : a.entry < b.entry;
    });
}

void CNameComparison::CellText(int row, int column, char* out, std::size_t capacity, CountedNote note) const {
    if (capacity == 0) return;
    out[0] = '\0';
    if (row < 0 || row >= Rows() || column < 0 || column >= kComparisonColumns) return;
    const ComparisonRow& r = Row(row);
    if (column == kNameColumn) {
        FormatText(out, capacity, "%s %s", r.record.surname, r.record.givenName);
    } else if (column < kFirstMethodColumn) {
        const GridReading& reading = r.grids[column - kFirstGridColumn];
        char number[kGridTextSize];
        FormatGridNumber(reading, number, sizeof number, note);
        FormatText(out, capacity, "%s %s", number, LuckWordOf(reading));
    } else if (column == kTotalWordColumn) {
        CopyText(out, capacity, RatingWord(r.totalLevel));
    } else {
        FormatText(out, capacity, "%d", static_cast<int>(SortValue(r, column)));
    }
}

std::string CNameComparison::TabSeparatedText(const char* lineEnd) const {
    std::string text;
    for (int column = 0; column < kComparisonColumns; ++column)
        text += std::string(column ? "\t" : "") + ComparisonHeading(column);
    text += lineEnd;
    for (int row = 0; row < Rows(); ++row) {
        for (int column = 0; column < kComparisonColumns; ++column) {
            char cell[kComparisonCellSize];
            CellText(row, column, cell, sizeof cell);
            text += std::string(column ? "\t" : "") + cell;
        }
        text += lineEnd;
    }
    return text;
}

const char* ComparisonHeading(int column) {
    if (column == kNameColumn) return "姓名";
    if (column >= kFirstGridColumn && column < kFirstMethodColumn) return GridName(column - kFirstGridColumn);
    if (column >= kFirstMethodColumn && column < kTotalColumn) return MethodName(column - kFirstMethodColumn);
    if (column == kTotalColumn) return "総合";
    return column == kTotalWordColumn ? "評価" : "";
}

}  // namespace hoshikura
