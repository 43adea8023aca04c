// The explanation window: each tab clicked shows the fortune text of its
// grid, and coming back to a tab shows its text again.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "app_state.h"
#include "dispatch.h"
#include "explanation_view.h"
#include "fortune_table.h"
#include "frame_window.h"
#include "gui_fixture.h"
#include "view_list.h"
#include "view_test.h"

namespace hoshikura {
namespace {

// The grid each tab explains.
int32_t GridOfTab(const CNameRecord& record, int tab) {
    const int32_t grids[kExplanationTabs] = {record.person, record.earth, record.outer,
                                             record.total};
    return grids[tab];
}

std::string PageText(const CExplanationView* view) {
    char text[2048] = {};
    SendMessageA(view->page, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

class ExplanationViewTest : public test::ViewTest {
protected:
    static CExplanationView* Open(const char* surname, const char* givenName) {
        if (!OpenView(surname, givenName, kExplanationView)) return nullptr;
        CView* last = NewestView();
        return last && last->kind == kExplanationView ? static_cast<CExplanationView*>(last)
                                                      : nullptr;
    }

    // Clicks a tab as the user does; the tab control tells its parent.
    static void ClickTab(const CExplanationView* view, int tab) {
        RECT item = {};
        SendMessageA(view->tabControl, TCM_GETITEMRECT, tab, reinterpret_cast<LPARAM>(&item));
        const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        SendMessageA(view->tabControl, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(view->tabControl, WM_LBUTTONUP, 0, at);
        test::PumpMessages();
    }
};

TEST_F(ExplanationViewTest, EachClickedTabShowsItsGridsTextAgainAfterSwitching) {
    const char* const names[][2] = {{"山田", "太郎"}, {"一", "悪"}, {"佐々木", "健太郎"}};
    for (const auto& name : names) {
        CExplanationView* view = Open(name[0], name[1]);
        ASSERT_NE(view, nullptr) << name[0];
        std::string shown[kExplanationTabs];
        for (int round = 0; round < 2; ++round) {
            for (int tab : {1, 2, 3, 0}) {
                ClickTab(view, tab);
                const std::string text = PageText(view);
                const std::string fortune =
                    App().fortunes->FortuneText(tab, GridOfTab(view->record, tab));
                EXPECT_NE(text.find(fortune), std::string::npos) << name[0] << " tab " << tab;
                if (round == 1) {
                    EXPECT_EQ(text, shown[tab]) << name[0] << " tab " << tab;
                }
                shown[tab] = text;
            }
        }
        test::CloseAllViews();
    }
}

TEST_F(ExplanationViewTest, RankingViewStaysKnownWhileAnExplanationOpens) {
    SendMessageA(App().frame, WM_COMMAND, kCmdRanking, 0);
    ASSERT_EQ(test::ViewCountOfKind(kRankView), 1);
    const HWND ranking = App().viewList->rankingWindow;
    ASSERT_NE(ranking, nullptr);
    ASSERT_NE(Open("山田", "太郎"), nullptr);
    EXPECT_EQ(App().viewList->rankingWindow, ranking);
    EXPECT_EQ(App().viewList->rankingOpen, 1);
}

TEST_F(ExplanationViewTest, SavesEveryTabOfAName) {
    const test::CShownFrame shown;
    CExplanationView* view = Open("山田", "太郎");
    ASSERT_NE(view, nullptr);
    for (int tab = 0; tab < kExplanationTabs; ++tab) {
        // Chosen through the control, so no click leaves its focus mark.
        NMHDR header = {view->tabControl, 0, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageA(view->tabControl, TCM_SETCURSEL, tab, 0);
        SendMessageA(view->window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
        EXPECT_TRUE(shown.Snap(view->window, "explanation_yamada_tab" + std::to_string(tab) + ".png"));
    }
}

}  // namespace
}  // namespace hoshikura
