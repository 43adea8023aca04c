// Views opened through dispatch inside the real (hidden) frame: the list,
// the cascade, single-instance kinds and window lifetimes.
#include <gtest/gtest.h>

#include <cstring>

#include "app_state.h"
#include "dispatch.h"
#include "frame_window.h"
#include "gui_fixture.h"
#include "person_view.h"
#include "view.h"
#include "view_list.h"
#include "view_test.h"

namespace hoshikura {
namespace {

class ViewListTest : public test::ViewTest {
protected:
    static CViewList& List() { return *App().viewList; }

    static POINT PositionInClient(HWND window) {
        RECT area;
        GetWindowRect(window, &area);
        POINT corner = {area.left, area.top};
        ScreenToClient(App().client, &corner);
        return corner;
    }
};

TEST_F(ViewListTest, EveryKindWithAViewOpensOnceOrManyTimes) {
    for (int kind = 0; kind < kViewKindCount; ++kind) {
        if (kind == kNoView) continue;
        ASSERT_EQ(OpenView("山田", "太郎", kind), 1) << kind;
        ASSERT_EQ(OpenView("山田", "太郎", kind), 1) << kind;
        EXPECT_EQ(test::ViewCountOfKind(kind), 2) << kind;
    }
    EXPECT_EQ(test::ViewCount(), 2 * (kViewKindCount - 1));
    for (CView* view = List().head; view; view = view->next) {
        EXPECT_TRUE(IsWindow(view->window));
        EXPECT_EQ(view->owner, &List());
        EXPECT_GT(view->width, 0);
        EXPECT_GT(view->height, 0);
        EXPECT_EQ(App().viewList->Find(view->window), view);
    }
    EXPECT_EQ(App().openViewCount, test::ViewCount());
}

TEST_F(ViewListTest, RequestsThatOpenNothing) {
    EXPECT_EQ(OpenView("山田", "太郎", kNoView), 1);
    EXPECT_EQ(OpenView("山田", "太郎", 14), 1);
    EXPECT_EQ(OpenView("山田", "太郎", -1), 1);
    EXPECT_EQ(OpenView("山", "太郎", kJudgementView), 1) << "one character is two bytes";
    test::CloseAllViews();
    EXPECT_EQ(OpenView("A", "太郎", kJudgementView), 0);
    EXPECT_EQ(OpenView("山田", "", kJudgementView), 0);
    EXPECT_EQ(OpenView(nullptr, "太郎", kJudgementView), 0);
    EXPECT_EQ(test::ViewCount(), 0);
    EXPECT_TRUE(test::TakeMessages().empty());
}

TEST_F(ViewListTest, PersonViewHoldsTheAnalysedName) {
    ASSERT_EQ(OpenView("山田", "太郎", kJudgementView), 1);
    auto* view = static_cast<CPersonView*>(List().head);
    EXPECT_STREQ(view->Surname(), "山田");
    EXPECT_STREQ(view->GivenName(), "太郎");
    const int grids[] = {8, 9, 13, 12, 21};
    for (int i = 0; i < kGridCount; ++i) EXPECT_EQ(view->record.grids[i], grids[i]);
    EXPECT_EQ(view->record.totalScore, 585);
}

TEST_F(ViewListTest, WindowsCascadeInSixteenPixelStepsAndWrapAfterEight) {
    for (int i = 0; i < 10; ++i) ASSERT_EQ(OpenView("林", "一", kExplanationView), 1);
    int n = 0;
    for (CView* view = List().head; view; view = view->next, ++n) {
        POINT corner = PositionInClient(view->window);
        EXPECT_EQ(corner.x, (n % 8) * 16) << n;
        EXPECT_EQ(corner.y, (n % 8) * 16) << n;
    }
}

TEST_F(ViewListTest, ClosingAWindowUnlinksItsView) {
    OpenView("一", "一", kStrokeMethodView);
    OpenView("二", "二", kStrokeMethodView);
    OpenView("三", "三", kStrokeMethodView);
    CView* first = List().head;
    CView* second = first->next;
    CView* third = second->next;
    HWND middle = second->window;
    SendMessageA(App().client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(middle), 0);
    EXPECT_FALSE(IsWindow(middle));
    EXPECT_EQ(List().head, first);
    EXPECT_EQ(first->next, third);
    SendMessageA(App().client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(first->window), 0);
    EXPECT_EQ(List().head, third);
    EXPECT_EQ(third->next, nullptr);
    EXPECT_EQ(App().openViewCount, 1);
}

TEST_F(ViewListTest, SingleInstanceKindsOpenOnceUntilClosed) {
    HWND frame = App().frame;
    const struct {
        int command;
        int kind;
        int32_t CViewList::*flag;
    } singles[] = {
        {kCmdRanking, kRankView, &CViewList::rankingOpen},
        {kCmdVersion, kVersionView, &CViewList::versionOpen},
        {kCmdFeatures, kFeaturesView, &CViewList::featuresOpen},
    };
    for (const auto& single : singles) {
        SendMessageA(frame, WM_COMMAND, single.command, 0);
        SendMessageA(frame, WM_COMMAND, single.command, 0);
        EXPECT_EQ(test::ViewCountOfKind(single.kind), 1) << single.kind;
        EXPECT_EQ(List().*single.flag, 1);
        test::CloseAllViews();
        EXPECT_EQ(List().*single.flag, 0) << "closing clears the flag";
        SendMessageA(frame, WM_COMMAND, single.command, 0);
        EXPECT_EQ(test::ViewCountOfKind(single.kind), 1) << "and it opens again";
        test::CloseAllViews();
    }
    EXPECT_EQ(List().rankingWindow, nullptr);
}

TEST_F(ViewListTest, RankingWindowIsKnownWhileOpen) {
    SendMessageA(App().frame, WM_COMMAND, kCmdRanking, 0);
    ASSERT_NE(List().head, nullptr);
    EXPECT_EQ(List().rankingWindow, List().head->window);
}

TEST_F(ViewListTest, PaintOfAWindowWithoutAViewIsValidated) {
    // A child of the view class that no view owns, as during a view's creation.
    HWND stray = CreateMDIWindowA("MDIChild", "stray", WS_VISIBLE, 0, 0, 100, 100, App().client,
                                  App().instance, 0);
    ASSERT_NE(stray, nullptr);
    InvalidateRect(stray, nullptr, TRUE);
    UpdateWindow(stray);
    EXPECT_FALSE(GetUpdateRect(stray, nullptr, FALSE));
    SendMessageA(stray, WM_COMMAND, 1, 0);  // no view: ignored
    int before = App().openViewCount;
    SendMessageA(App().client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(stray), 0);
    EXPECT_EQ(App().openViewCount, before) << "an unlisted window was never counted";
}

TEST_F(ViewListTest, JudgeFullNameRefusesOneWordQuietly) {
    CRecentList before = App().recent;
    EXPECT_EQ(JudgeFullName("山田太郎"), 0);
    EXPECT_EQ(test::ViewCount(), 0);
    EXPECT_TRUE(test::TakeMessages().empty());
    EXPECT_EQ(std::memcmp(&before, &App().recent, sizeof before), 0);
}

TEST_F(ViewListTest, JudgeFullNameOpensAndRemembers) {
    ASSERT_EQ(JudgeFullName("　鈴木 一郎"), 1);
    EXPECT_EQ(test::ViewCountOfKind(kJudgementView), 1);
    EXPECT_STREQ(App().recent.surnames[0], "鈴木");
    EXPECT_STREQ(App().recent.givenNames[0], "一郎");
}

}  // namespace
}  // namespace hoshikura
