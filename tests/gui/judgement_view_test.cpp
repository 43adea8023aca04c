// The judgement window: its text inside its panels for every name length,
// grids of three digits, its buttons, and the offer of the name to the best
// and worst lists.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app_state.h"
#include "child_window.h"
#include "dispatch.h"
#include "gdi_counter.h"
#include "grid_diagram.h"
#include "gui_fixture.h"
#include "judgement_view.h"
#include "screenshot.h"
#include "view_list.h"
#include "view_test.h"

namespace hoshikura {
namespace {

// Characters for names of every length: kanji, 々, hiragana, katakana, and
// ゐ, which the stroke table does not hold.
const char* const kSurnamePool[] = {"佐", "々", "木", "さ", "ゐ"};
const char* const kGivenPool[] = {"健", "ハ", "な", "ゐ", "鬱"};

RECT At(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }

using test::CountColour;
using test::CountDark;
using test::IsDark;

class JudgementViewTest : public test::ViewTest {
protected:
    static CJudgementView* Open(const std::string& surname, const std::string& givenName) {
        if (!OpenView(surname.c_str(), givenName.c_str(), kJudgementView)) return nullptr;
        CView* view = NewestView();
        return view && view->kind == kJudgementView ? static_cast<CJudgementView*>(view)
                                                    : nullptr;
    }

    static RECT ClientOf(const CView* view) {
        RECT client;
        GetClientRect(view->window, &client);
        return client;
    }

    // The view painted into an off-screen canvas of its client size.
    static void PaintInto(CView* view, test::CCanvas& canvas) {
        PaintView(view, canvas.Dc());
    }

    static void Click(const CView* view, int id) {
        SendMessageA(view->controls[id], BM_CLICK, 0, 0);
        test::PumpMessages();
    }
};

// No text runs over the edge of its panel: every panel's right edge keeps
// its highlight after the paint, also for the longest and heaviest names.
TEST_F(JudgementViewTest, TextStaysInsideItsPanels) {
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const char* const names[][2] = {{"山田", "太郎"}, {"鬱鬱鬱鬱鬱", "鬱鬱鬱鬱鬱"}, {"ゐ", "ゐ"}};
    for (const auto& name : names) {
        CJudgementView* view = Open(name[0], name[1]);
        ASSERT_NE(view, nullptr);
        test::CCanvas canvas(ClientOf(view).right, ClientOf(view).bottom);
        PaintInto(view, canvas);
        std::vector<RECT> panels;
        for (int row = 0; row < kGridCount; ++row)
            panels.push_back({244, 1 + 26 * row, 372, 25 + 26 * row});
        CGridDiagramGeometry geometry;
        LayOutGridDiagram(view->record, view->column, kJudgementColumnX, 0, &geometry);
        for (int i = 0; i < geometry.characterCount; ++i) {
            panels.push_back(At(geometry.character[i].x, geometry.character[i].y, 40, 40));
            panels.push_back(At(geometry.strokeBox[i].x, geometry.strokeBox[i].y, 22, 22));
        }
        for (const DiagramPoint& q : geometry.gridBox) panels.push_back(At(q.x, q.y, 22, 22));
        for (const RECT& panel : panels)
            for (int y = panel.top + 2; y < panel.bottom - 2; ++y)
                EXPECT_EQ(canvas.Pixel(panel.right - 1, y), highlight)
                    << name[0] << " panel at " << panel.left << "," << panel.top << " y " << y;
    }
}

// Ten characters of 29 strokes: grids 145, 58, 145, 232 and 290 are shown
// below 100, and the luck rows judge the shown numbers.
TEST_F(JudgementViewTest, GridsOfAHundredOrMoreShowTwoDigits) {
    CJudgementView* view = Open("鬱鬱鬱鬱鬱", "鬱鬱鬱鬱鬱");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->record.total, 290);
    test::CCanvas canvas(ClientOf(view).right, ClientOf(view).bottom);
    PaintInto(view, canvas);
    EXPECT_EQ(view->record.total, 290) << "painting leaves the record as it is";
    const RECT totalRow = {246, 3 + 26 * 4, 370, 24 + 26 * 4};
    EXPECT_GT(CountColour(canvas, totalRow, kBlack), 10) << "90 is outside 1..81: neutral";
    EXPECT_EQ(CountColour(canvas, totalRow, kBlue), 0);
}

TEST_F(JudgementViewTest, ButtonsOpenTheDetailViewsOfTheSameName) {
    CJudgementView* view = Open("佐々木", "健太郎");
    ASSERT_NE(view, nullptr);
    const CRankLists before = App().rankLists;
    for (int id = kExplainButton; id <= kLastMethodButton; ++id) {
        Click(view, id);
        CView* opened = NewestView();
        ASSERT_NE(opened, view) << id;
        EXPECT_EQ(opened->kind, id + 1) << id;
        EXPECT_STREQ(opened->Surname(), "佐々木");
        EXPECT_STREQ(opened->GivenName(), "健太郎");
    }
    EXPECT_EQ(test::ViewCount(), 6);
    EXPECT_EQ(std::memcmp(&before, &App().rankLists, sizeof before), 0)
        << "only the judgement view offers its name";
}

TEST_F(JudgementViewTest, PrintButtonAsksForAPrinter) {
    CJudgementView* view = Open("山田", "太郎");
    ASSERT_NE(view, nullptr);
    std::string shown = "none";
    test::AnswerNextMessageBox(IDCANCEL, &shown);
    Click(view, kPrintButton);
    EXPECT_NE(shown, "none") << "the print dialog came up and was cancelled";
    EXPECT_EQ(test::ViewCount(), 1);
    EXPECT_TRUE(test::TakeMessages().empty()) << "a cancelled print says nothing";
}

TEST_F(JudgementViewTest, CreatingOffersTheNameToBothLists) {
    ASSERT_NE(Open("山田", "太郎"), nullptr);
    const CRankLists& lists = App().rankLists;
    EXPECT_STREQ(lists.best.surnames[0], "山田");
    EXPECT_STREQ(lists.best.givenNames[0], "太郎");
    EXPECT_EQ(lists.best.scores[0], 585);
    EXPECT_STREQ(lists.worst.surnames[0], "山田");
    EXPECT_EQ(lists.worst.scores[0], 585);
    EXPECT_EQ(lists.best.scores[1], 0);
    ASSERT_NE(Open("林", "一"), nullptr);
    EXPECT_EQ(lists.best.scores[0], 585);
    EXPECT_STREQ(lists.best.surnames[1], "林");
    EXPECT_EQ(lists.best.scores[1], 422);
    EXPECT_STREQ(lists.worst.surnames[0], "林");
    EXPECT_EQ(lists.worst.scores[1], 585);
    // Judging the same name again leaves both lists as they are.
    const CRankLists before = lists;
    ASSERT_NE(Open("山田", "太郎"), nullptr);
    EXPECT_EQ(std::memcmp(&before, &lists, sizeof before), 0);
    // Views other than the judgement do not offer.
    for (int kind = kExplanationView; kind <= kSameStrokeMethodView; ++kind)
        OpenView("佐々木", "健太郎", kind);
    EXPECT_EQ(std::memcmp(&before, &lists, sizeof before), 0);
}

TEST_F(JudgementViewTest, SavesJudgementsOfSeveralShapes) {
    const test::CShownFrame shown;
    const char* const names[][3] = {{"山田", "太郎", "judgement_yamada_taro.png"},
                                    {"林", "一", "judgement_hayashi_hajime.png"},
                                    {"東西南北中", "春夏秋冬雪", "judgement_five_five.png"},
                                    // 1 + 5, kana, and ゐ missing from the table.
                                    {"ゐ", "さくらハナ", "judgement_one_five.png"}};
    for (const auto& name : names) {
        ASSERT_EQ(OpenView(name[0], name[1], kJudgementView), 1);
        EXPECT_TRUE(shown.Snap(App().viewList->head->window, name[2]));
        test::CloseAllViews();
    }
}

}  // namespace
}  // namespace hoshikura
