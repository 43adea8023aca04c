// Candidate names side by side: each judged, one row a name, with the five
// grid readings, the four method scores, the total and the word of its
// level; sorted by total at first and by any column on request, and written
// out as tab-separated text for copying.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "grid_reading.h"
#include "name_record.h"

namespace hoshikura {

// Columns in the order they are shown: the full name, the five grids in
// GridIndex order, the four methods in MethodIndex order, the total and the
// word of the total's level.
enum ComparisonColumn : int {
    kNameColumn = 0,
    kFirstGridColumn = 1,
    kFirstMethodColumn = kFirstGridColumn + kGridCount,
    kTotalColumn = kFirstMethodColumn + kMethodCount,
    kTotalWordColumn,
    kComparisonColumns,
};

enum class SortOrder { kAscending, kDescending };

struct ComparisonRow {
    int entry;  // position among the names as they were added, from 0
    CNameRecord record;
    GridReading grids[kGridCount];
    int totalLevel;  // RatingLevel of the total, 0..6
};

class CNameComparison {
public:
    // Judges every name, in the order given, and sorts the rows by total,
    // the highest first.
    void Set(const std::vector<std::pair<std::string, std::string>>& names);

    // Sorts by a column; rows that compare equal keep the order in which
    // their names were added. Names sort by their bytes, grids by the number
    // shown, the level word by level. An unknown column changes nothing.
    void SortBy(int column, SortOrder order);
    int SortColumn() const { return sortColumn_; }
    SortOrder Order() const { return order_; }

    int Rows() const { return static_cast<int>(rows_.size()); }
    // Row k as shown, from 0.
    const ComparisonRow& Row(int k) const { return rows_[static_cast<std::size_t>(k)]; }

    // The text of one cell: "山田 太郎", "117画（37画として） 吉数", "320",
    // "良い". Empty for a row or column out of range. A grid's note of the
    // number it counts as may be left out for a surface that shows it apart.
    void CellText(int row, int column, char* out, std::size_t capacity,
                  CountedNote note = CountedNote::kShown) const;

    // The heading row and every row as shown, cells separated by tabs, each
    // line ended by lineEnd.
    std::string TabSeparatedText(const char* lineEnd) const;

private:
    std::vector<ComparisonRow> rows_;
    int sortColumn_ = kTotalColumn;
    SortOrder order_ = SortOrder::kDescending;
};

// The heading of a column: "姓名", "天格" .. "総格", "画数" .. "同画",
// "総合", "評価"; "" out of range.
const char* ComparisonHeading(int column);

// Room enough for any cell text.
constexpr std::size_t kComparisonCellSize = kGridTextSize + 16;

}  // namespace hoshikura
