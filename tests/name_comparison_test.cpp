// Candidates side by side: the order of the rows under every column and
// direction against a brute-force sort, the cells of a grid read as another
// number and of an unknown character, and the text for copying.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "name_comparison.h"
#include "rating.h"

using namespace hoshikura;

namespace {

using Names = std::vector<std::pair<std::string, std::string>>;

std::string Cell(const CNameComparison& table, int row, int column) {
    char text[kComparisonCellSize];
    table.CellText(row, column, text, sizeof text);
    return text;
}

// What a column sorts by, from the record alone.
long Key(const CNameRecord& r, int column) {
    if (column < kFirstMethodColumn) return r.grids[column - kFirstGridColumn];
    if (column < kTotalColumn) return r.scores[column - kFirstMethodColumn];
    if (column == kTotalColumn) return r.totalScore;
    return RatingLevel(r.totalScore, kTotalRatingBounds.lower, kTotalRatingBounds.upper);
}

// The rows of the table are the names stably sorted by the column's key.
void ExpectOrder(const CNameComparison& table, const Names& names, int column, SortOrder order) {
    std::vector<CNameRecord> records(names.size());
    std::vector<int> expected(names.size());
    for (std::size_t k = 0; k < names.size(); ++k) {
        records[k].Analyse(names[k].first.c_str(), names[k].second.c_str());
        expected[k] = static_cast<int>(k);
    }
    const bool ascending = order == SortOrder::kAscending;
    std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
        const CNameRecord& x = records[static_cast<std::size_t>(ascending ? a : b)];
        const CNameRecord& y = records[static_cast<std::size_t>(ascending ? b : a)];
        if (column == kNameColumn)
            return std::make_pair(std::string(x.surname), std::string(x.givenName)) <
                   std::make_pair(std::string(y.surname), std::string(y.givenName));
        return Key(x, column) < Key(y, column);
    });
    ASSERT_EQ(table.Rows(), static_cast<int>(names.size()));
    for (int row = 0; row < table.Rows(); ++row) {
        ASSERT_EQ(table.Row(row).entry, expected[static_cast<std::size_t>(row)]) << column << " " << row;
        const auto& name = names[static_cast<std::size_t>(table.Row(row).entry)];
        EXPECT_EQ(Cell(table, row, kNameColumn), name.first + " " + name.second);
    }
}

}  // namespace

TEST(NameComparison, EveryColumnSortsBothWaysAndEqualRowsKeepTheOrderAdded) {
    // Few characters, so equal keys abound; the same name may come twice.
    const char* const surnames[] = {"山田", "林", "佐々木", "一"};
    const char* const givens[] = {"太郎", "花子", "一", "翔太", "ゐ"};
    std::mt19937 random(35);
    Names names;
    for (int k = 0; k < 30; ++k) names.push_back({surnames[random() % 4], givens[random() % 5]});
    CNameComparison table;
    table.Set(names);
    EXPECT_EQ(table.SortColumn(), kTotalColumn);
    EXPECT_EQ(table.Order(), SortOrder::kDescending);
    ExpectOrder(table, names, kTotalColumn, SortOrder::kDescending);
    for (int column = 0; column < kComparisonColumns; ++column)
        for (const SortOrder order : {SortOrder::kAscending, SortOrder::kDescending}) {
            table.SortBy(column, order);
            ExpectOrder(table, names, column, order);
        }
    table.SortBy(kComparisonColumns, SortOrder::kAscending);  // no such column: nothing changes
    EXPECT_EQ(table.SortColumn(), kTotalWordColumn);
    EXPECT_EQ(table.Order(), SortOrder::kDescending);
}

TEST(NameComparison, CellsShowAGridReadAsAnotherNumberAndAnUnknownCharacter) {
    CNameComparison table;
    table.Set({{"麗麗麗", "議議議"}, {"山田", "ゐ"}});
    ASSERT_EQ(table.Rows(), 2);
    const int big = table.Row(0).entry == 0 ? 0 : 1;
    // 麗 19 strokes, 議 20: a total grid of 117 is read as 37 (吉数).
    EXPECT_EQ(Cell(table, big, kFirstGridColumn + kTotal), "117画（37画として） 吉数");
    EXPECT_EQ(Cell(table, big, kFirstGridColumn + kHeaven), "57画 吉数");
    // ゐ has no strokes: the earth grid is 0, with no luck class.
    EXPECT_EQ(Cell(table, 1 - big, kFirstGridColumn + kEarth), "0画 —");
    const CNameRecord& r = table.Row(big).record;
    EXPECT_EQ(Cell(table, big, kTotalColumn), std::to_string(r.totalScore));
    EXPECT_EQ(Cell(table, big, kFirstMethodColumn + kElementMethod), std::to_string(r.scores[kElementMethod]));
    EXPECT_EQ(Cell(table, big, kTotalWordColumn), RatingWord(table.Row(big).totalLevel));
    EXPECT_EQ(Cell(table, 2, kNameColumn), "");
    EXPECT_EQ(Cell(table, 0, kComparisonColumns), "");
}

TEST(NameComparison, CopiedTextHasAHeadingRowAndOneLineARowInTheOrderShown) {
    CNameComparison table;
    EXPECT_EQ(table.TabSeparatedText("\r\n"),
              "姓名\t天格\t人格\t地格\t外格\t総格\t画数\t五行\t陰陽\t同画\t総合\t評価\r\n");
    table.Set({{"山田", "太郎"}, {"佐藤", "花子"}});
    table.SortBy(kNameColumn, SortOrder::kDescending);
    const std::string text = table.TabSeparatedText("\n");
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    ASSERT_EQ(lines.size(), 3u);
    for (int row = 0; row < 2; ++row) {
        std::string expected;
        for (int column = 0; column < kComparisonColumns; ++column)
            expected += (column ? "\t" : "") + Cell(table, row, column);
        EXPECT_EQ(lines[static_cast<std::size_t>(row + 1)], expected);
    }
    EXPECT_EQ(lines[1].substr(0, lines[1].find('\t')), "山田 太郎");
}
