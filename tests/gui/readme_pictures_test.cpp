// The README's pictures of the frame and its windows, taken from the screen
// after the messages settle (docs/screenshots holds copies of these files).
#include <gtest/gtest.h>

#include "app_state.h"
#include "dialog_text.h"
#include "dispatch.h"
#include "frame_window.h"
#include "gui_fixture.h"
#include "screenshot.h"
#include "stroke_search_view.h"
#include "view_list.h"

namespace hoshikura {
namespace {

class ReadmePicturesTest : public test::ViewTest {};

TEST_F(ReadmePicturesTest, SavesTheFrameAndEveryPictureOfTheReadme) {
    const test::CShownFrame shown;
    const struct {
        int kind;
        const char* first;
        const char* second;
        const char* file;
    } views[] = {
        {kJudgementView, "山田", "太郎", "judgement_yamada_taro.png"},
        {kElementMethodView, "山田", "太郎", "method_element_yamada.png"},
        {kExplanationView, "山田", "太郎", "explanation_yamada_tab0.png"},
        {kStrokeSearchView, "鈴木", kGoodFlag, "stroke_search_view.png"},
        {kReadingSearchView, "山田", "ひろし", "reading_search_view.png"},
        {kComposeSearchView, "佐藤", "はると", "compose_search_view.png"},
    };
    for (const auto& view : views) {
        ASSERT_EQ(OpenView(view.first, view.second, view.kind), 1);
        CView* opened = NewestView();
        if (view.kind == kStrokeSearchView) {
            // Sample names as a choice of the fourth pattern shows them.
            HWND patterns = opened->controls[CStrokeSearchView::kPatternList];
            SendMessageA(patterns, LB_SETCURSEL, 3, 0);
            SendMessageA(opened->window, WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(patterns));
        }
        EXPECT_TRUE(shown.Snap(opened->window, view.file)) << view.file;
        test::CloseAllViews();
    }

    const char* const judged[][2] = {{"山田", "太郎"}, {"林", "一"},     {"佐々木", "健太郎"},
                                     {"鈴木", "花子"}, {"高橋", "さくら"}, {"東西南北中", "春夏秋冬雪"},
                                     {"伊藤", "ハナコ"}};
    for (const auto& name : judged) ASSERT_EQ(OpenView(name[0], name[1], kJudgementView), 1);
    test::CloseAllViews();
    SendMessageA(App().frame, WM_COMMAND, kCmdRanking, 0);
    ASSERT_NE(App().viewList->rankingWindow, nullptr);
    EXPECT_TRUE(shown.Snap(App().viewList->rankingWindow, "best_and_worst.png"));
    test::CloseAllViews();

    for (int kind : {kJudgementView, kExplanationView, kStrokeMethodView})
        ASSERT_EQ(OpenView("山田", "太郎", kind), 1);
    EXPECT_TRUE(shown.Snap(App().frame, "frame.png"));
}

}  // namespace
}  // namespace hoshikura
