// What the views' buttons and tabs do: the judgement's buttons open views
// of the same name and its print button asks for a printer; each tab of the
// explanation shows its grid's text, again after switching; the best and
// worst view paints the lists as at opening until a refresh and clears them
// only on Yes; rows of damaged fields stay inside their bytes.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "app_state.h"
#include "child_window.h"
#include "dispatch.h"
#include "explanation_view.h"
#include "fortune_table.h"
#include "frame_window.h"
#include "gui_fixture.h"
#include "judgement_view.h"
#include "rank_view.h"
#include "screenshot.h"
#include "view_list.h"

namespace hoshikura {
namespace {

class ViewActionsTest : public test::ViewTest {
protected:
    static CView* Open(const char* surname, const char* givenName, int kind) {
        if (!OpenView(surname, givenName, kind)) return nullptr;
        CView* view = NewestView();
        return view && view->kind == kind ? view : nullptr;
    }
    static void Click(const CView* view, int id) {
        SendMessageA(view->controls[id], BM_CLICK, 0, 0);
        test::PumpMessages();
    }
    static std::vector<COLORREF> Painted(CView* view) {
        RECT client;
        GetClientRect(view->window, &client);
        test::CCanvas canvas(client.right, client.bottom);
        PaintView(view, canvas.Dc());
        return canvas.Pixels();
    }
};

TEST_F(ViewActionsTest, JudgementButtonsOpenViewsOfTheSameNameAndPrintAsksForAPrinter) {
    CView* view = Open("佐々木", "健太郎", kJudgementView);
    ASSERT_NE(view, nullptr);
    const CRankLists before = App().rankLists;
    for (int id = kExplainButton; id <= kLastMethodButton; ++id) {
        Click(view, id);
        CView* opened = NewestView();
        ASSERT_NE(opened, view) << id;
        EXPECT_STREQ(opened->Surname(), "佐々木");
        EXPECT_STREQ(opened->GivenName(), "健太郎");
    }
    EXPECT_EQ(test::ViewCount(), kLastMethodButton - kExplainButton + 2);
    EXPECT_EQ(std::memcmp(&before, &App().rankLists, sizeof before), 0)
        << "only the judgement view offers its name";

    std::string shown = "none";
    test::AnswerNextMessageBox(IDCANCEL, &shown);
    Click(view, kPrintButton);
    EXPECT_NE(shown, "none") << "the print dialog came up and was cancelled";
    EXPECT_TRUE(test::TakeMessages().empty()) << "a cancelled print says nothing";
}

TEST_F(ViewActionsTest, EachClickedTabShowsItsGridsTextAgainAfterSwitching) {
    const char* const names[][2] = {{"山田", "太郎"}, {"一", "悪"}, {"佐々木", "健太郎"}};
    for (const auto& name : names) {
        auto* view = static_cast<CExplanationView*>(Open(name[0], name[1], kExplanationView));
        ASSERT_NE(view, nullptr) << name[0];
        const CNameRecord& record = view->record;
        const int32_t grids[kExplanationTabs] = {record.person, record.earth, record.outer,
                                                 record.total};
        std::string shown[kExplanationTabs];
        for (int round = 0; round < 2; ++round)
            for (int tab : {1, 2, 3, 0}) {
                // A click on the tab, as the user makes it.
                RECT item = {};
                SendMessageA(view->tabControl, TCM_GETITEMRECT, tab, reinterpret_cast<LPARAM>(&item));
                const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
                SendMessageA(view->tabControl, WM_LBUTTONDOWN, MK_LBUTTON, at);
                SendMessageA(view->tabControl, WM_LBUTTONUP, 0, at);
                test::PumpMessages();
                char text[2048] = {};
                SendMessageA(view->page, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
                EXPECT_NE(std::string(text).find(App().fortunes->FortuneText(tab, grids[tab])),
                          std::string::npos)
                    << name[0] << " tab " << tab;
                EXPECT_TRUE(round == 0 || text == shown[tab]) << name[0] << " tab " << tab;
                shown[tab] = text;
            }
    }
}

// A judgement made while the view is open shows only after a refresh, so a
// part uncovered in between is painted from the same state as the rest; an
// explanation opened meanwhile leaves the view known as the open one.
TEST_F(ViewActionsTest, RankingPaintsTheListsAsAtOpeningUntilARefreshAndClearsOnlyOnYes) {
    for (const char* given : {"太郎", "花子", "一郎"}) OpenView("山田", given, kJudgementView);
    SendMessageA(App().frame, WM_COMMAND, kCmdRanking, 0);
    CView* view = NewestView();
    ASSERT_EQ(view->kind, kRankView);
    const std::vector<COLORREF> opened = Painted(view);
    ASSERT_NE(Open("佐々木", "健太郎", kExplanationView), nullptr);
    EXPECT_EQ(App().viewList->rankingWindow, view->window);
    ASSERT_NE(Open("新人", "一番", kJudgementView), nullptr);
    EXPECT_EQ(Painted(view), opened);
    Click(view, kRefreshButton);
    EXPECT_NE(Painted(view), opened);

    const CRankLists before = App().rankLists;
    std::string question;
    test::AnswerNextMessageBox(IDNO, &question);
    Click(view, kClearButton);
    EXPECT_FALSE(question.empty()) << "clearing asks first";
    EXPECT_EQ(std::memcmp(&before, &App().rankLists, sizeof before), 0) << "No keeps the lists";
    test::AnswerNextMessageBox(IDYES);
    Click(view, kClearButton);
    CRankLists cleared;
    cleared.Clear();
    EXPECT_EQ(std::memcmp(&cleared, &App().rankLists, sizeof cleared), 0);
}

// Rows read from the registry may fill all twelve bytes without a NUL.
TEST(RankRowTextTest, UnterminatedFieldsStayInsideTheirTwelveBytes) {
    CRankList list;
    list.Clear();
    std::memcpy(list.surnames[0], "山田山田山田", kRankNameSize);
    std::memcpy(list.givenNames[0], "太郎太郎太郎", kRankNameSize);
    list.scores[0] = 600;
    char text[64];
    FormatRankRow(list, 0, text, sizeof text);
    EXPECT_STREQ(text, "山田山田山田 太郎太郎太郎 600点");
    // A field whose twelfth byte starts a character loses that byte.
    std::memcpy(list.surnames[1], "a山田山田山\x8E", kRankNameSize);
    list.scores[1] = 500;
    FormatRankRow(list, 1, text, sizeof text);
    EXPECT_EQ(std::string(text).substr(0, 12), "a山田山田山 ");
}

}  // namespace
}  // namespace hoshikura
