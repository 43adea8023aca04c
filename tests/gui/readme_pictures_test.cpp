// The README's pictures of the frame and of the best and worst lists, taken
// from the screen after the messages settle (docs/screenshots holds copies;
// the screen tests take those of the other views).
#include <gtest/gtest.h>

#include "app_state.h"
#include "dispatch.h"
#include "frame_window.h"
#include "gui_fixture.h"
#include "screenshot.h"
#include "view_list.h"

namespace hoshikura {
namespace {

class ReadmePicturesTest : public test::ViewTest {};

TEST_F(ReadmePicturesTest, SavesTheFrameAndTheListsAsTheReadmeShowsThem) {
    const test::CShownFrame shown;
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
