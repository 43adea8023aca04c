// Views opened through dispatch inside the real (hidden) frame: the list,
// single-instance kinds and window lifetimes.
#include <gtest/gtest.h>

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
};

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
    EXPECT_EQ(App().viewList->windowCount, 1);
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

}  // namespace
}  // namespace hoshikura
