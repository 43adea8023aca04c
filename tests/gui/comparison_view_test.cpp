// The candidates compared: every row of the list against the engine's
// judgement of the same name, a header click turning the order round, a
// candidate added while the view is open, Delete after a question whose
// default is いいえ, the copied text, and the stored list after each change.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app_state.h"
#include "comparison_view.h"
#include "dispatch.h"
#include "frame_window.h"
#include "gui_fixture.h"
#include "judge.h"
#include "judgement_view.h"
#include "name_record.h"
#include "rating.h"
#include "registry_store.h"
#include "sjis_text.h"
#include "wide_text.h"
#include "win32_registry_key.h"

namespace hoshikura {
namespace {

class ComparisonViewTest : public test::ViewTest {
protected:
    void SetUp() override {
        test::ViewTest::SetUp();
        test::ForgetStoredLists();
        App().candidates.Clear();
        test::RecordMessages();
    }
    void TearDown() override {
        test::ViewTest::TearDown();
        App().candidates.Clear();
        test::ForgetStoredLists();
    }

    static HWND List(CView* view) { return view->controls[kComparisonList]; }

    static std::string Cell(HWND list, int row, int column) {
        wchar_t text[kComparisonCellSize] = L"";
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = kComparisonCellSize;
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return Narrow(text);
    }

    // Each cell of every row as the engine reads the row's name; the totals
    // in the order shown.
    static std::vector<int> ExpectRowsJudged(HWND list, int rows) {
        EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), rows);
        std::vector<int> totals;
        for (int row = 0; row < rows; ++row) {
            const std::string name = Cell(list, row, kNameColumn);
            const std::size_t blank = name.find(' ');
            CNameRecord record;
            record.Analyse(name.substr(0, blank).c_str(), name.substr(blank + 1).c_str());
            for (int g = 0; g < kGridCount; ++g) {
                const GridReading reading = ReadGrid(record, g, nullptr);
                char number[kGridTextSize];
                FormatGridNumber(reading, number, sizeof number);
                EXPECT_EQ(Cell(list, row, kFirstGridColumn + g), std::string(number) + " " + LuckWordOf(reading))
                    << name;
            }
            for (int m = 0; m < kMethodCount; ++m)
                EXPECT_EQ(Cell(list, row, kFirstMethodColumn + m), std::to_string(record.scores[m])) << name;
            EXPECT_EQ(Cell(list, row, kTotalColumn), std::to_string(record.totalScore)) << name;
            EXPECT_EQ(Cell(list, row, kTotalWordColumn), RatingWord(TotalRatingLevel(record.totalScore))) << name;
            totals.push_back(record.totalScore);
        }
        return totals;
    }

    static void ClickHeader(CView* view, int column) {
        NMLISTVIEW click = {};
        click.hdr.hwndFrom = List(view);
        click.hdr.idFrom = kComparisonList;
        click.hdr.code = LVN_COLUMNCLICK;
        click.iItem = -1;
        click.iSubItem = column;
        SendMessageA(view->window, WM_NOTIFY, kComparisonList, reinterpret_cast<LPARAM>(&click));
    }

    static void Select(HWND list, int row) {
        LVITEMA item = {};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }

    static int StoredCount() {
        CWin32RegistryHive hive;
        CRecentList recent;
        CRankLists ranks;
        CCandidateList candidates;
        LoadSettings(hive, recent, ranks, candidates);
        return candidates.count;
    }
};

TEST_F(ComparisonViewTest, RowsEqualTheEngineSortDeleteCopyAndStayStored) {
    const char* const names[][2] = {{"山田", "太郎"}, {"麗麗麗", "議議議"}, {"佐藤", "ゐ"}, {"林", "一"}};
    for (const auto& name : names) AddCandidate(name[0], name[1]);
    EXPECT_TRUE(test::TakeMessages().empty());
    EXPECT_EQ(StoredCount(), 4);
    ASSERT_TRUE(OpenSingleView(kComparisonView));
    CView* view = NewestView();
    ASSERT_EQ(view->kind, kComparisonView);
    EXPECT_FALSE(OpenSingleView(kComparisonView));  // one at a time
    EXPECT_EQ(test::ViewCountOfKind(kComparisonView), 1);
    HWND list = List(view);

    std::vector<int> totals = ExpectRowsJudged(list, 4);
    EXPECT_TRUE(std::is_sorted(totals.rbegin(), totals.rend())) << "highest total first";
    ClickHeader(view, kTotalColumn);  // the same column again: lowest first
    totals = ExpectRowsJudged(list, 4);
    EXPECT_TRUE(std::is_sorted(totals.begin(), totals.end()));

    // Enter judges the focused row.
    Select(list, 0);
    SendMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_EQ(test::ViewCountOfKind(kJudgementView), 1);
    const CView* judged = NewestView();
    EXPECT_EQ(std::string(judged->Surname()) + " " + judged->GivenName(), Cell(list, 0, kNameColumn));

    // Added while open: shown at once, in the order chosen; twice is told.
    AddCandidate("鈴木", "花子");
    AddCandidate("鈴木", "花子");
    EXPECT_EQ(test::TakeMessages(), std::vector<std::string>{CandidateAddedText(CandidateAdded::kAlreadyListed)});
    totals = ExpectRowsJudged(list, 5);
    EXPECT_TRUE(std::is_sorted(totals.begin(), totals.end()));

    // Delete asks first; Enter on the question keeps the candidate.
    test::ShowMessageBoxes();
    Select(list, 0);
    const std::string lowest = Cell(list, 0, kNameColumn);
    std::string asked;
    test::AnswerNextMessageBox(IDNO, &asked);
    SendMessageA(list, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_FALSE(asked.empty());
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 5);
    test::AnswerNextMessageBox(IDYES);
    SendMessageA(list, WM_KEYDOWN, VK_DELETE, 0);
    test::RecordMessages();
    ExpectRowsJudged(list, 4);
    EXPECT_NE(Cell(list, 0, kNameColumn), lowest);
    EXPECT_EQ(StoredCount(), 4);

    // Copied as Unicode text: the table's own text, heading row first.
    ASSERT_TRUE(static_cast<CComparisonView*>(view)->CopyTable());
    ASSERT_TRUE(OpenClipboard(nullptr));
    const auto* wide = static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
    ASSERT_NE(wide, nullptr);
    char copied[4096] = "";
    WideCharToMultiByte(932, 0, wide, -1, copied, sizeof copied, nullptr, nullptr);
    GlobalUnlock(GetClipboardData(CF_UNICODETEXT));
    CloseClipboard();
    const std::string expected = static_cast<CComparisonView*>(view)->Table().TabSeparatedText("\r\n");
    EXPECT_EQ(copied, expected);
    EXPECT_EQ(expected.compare(0, 5, "姓名\t"), 0);
}

TEST_F(ComparisonViewTest, EmptyAndFullListsAndTheButtonOfTheJudgement) {
    ASSERT_TRUE(OpenSingleView(kComparisonView));
    CView* view = NewestView();
    ExpectRowsJudged(List(view), 0);
    // The judgement's button adds its name; a full list refuses the next.
    ASSERT_TRUE(test::OpenRequested({kJudgementView, "山田", "一"}));
    CView* judgement = NewestView();
    HWND button = judgement->controls[kAddCandidateButton];
    ASSERT_NE(button, nullptr);
    SendMessageA(judgement->window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    ExpectRowsJudged(List(view), 1);
    for (int k = 1; k < kCandidateEntries; ++k) AddCandidate("田中", ("名" + std::to_string(k)).c_str());
    EXPECT_TRUE(test::TakeMessages().empty());
    ExpectRowsJudged(List(view), kCandidateEntries);
    SendMessageA(judgement->window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    AddCandidate("田中", "次");
    EXPECT_EQ(test::TakeMessages(), (std::vector<std::string>{CandidateAddedText(CandidateAdded::kAlreadyListed),
                                                        CandidateAddedText(CandidateAdded::kListFull)}));
    EXPECT_EQ(StoredCount(), kCandidateEntries);
    // The menu item acts on the active window, the judgement: listed already.
    SendMessageA(App().frame, WM_COMMAND, kCmdAddCandidate, 0);
    EXPECT_EQ(test::TakeMessages().size(), 1u);
}

}  // namespace
}  // namespace hoshikura
