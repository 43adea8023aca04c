// The stored lists and the sex choice survive from one run of the program to
// the next: the first process judges names, chooses girls' names and exits,
// the second starts and finds them.
// CTest runs the two as separate processes, in order.
#include <gtest/gtest.h>

#include <cstring>

#include "app_state.h"
#include "dispatch.h"
#include "frame_window.h"
#include "gui_fixture.h"

namespace hoshikura {
namespace {

const char* const kPeople[][2] = {
    {"山田", "太郎"}, {"林", "一"}, {"佐々木", "希"}, {"長谷川", "さくら"}, {"星倉", "未来"},
};

TEST(AcrossRunsTest, FirstRunJudgesAndExits) {
    ASSERT_NE(test::EnsureFrame(), nullptr);
    App().recent.Clear();
    App().rankLists.Clear();
    for (const auto& person : kPeople) {
        char line[32];
        std::strcpy(line, person[0]);
        std::strcat(line, " ");
        std::strcat(line, person[1]);
        ASSERT_EQ(JudgeFullName(line), 1) << line;
    }
    test::ChooseSex(kCmdSexGirls);
    test::DestroyFrame();
}

TEST(AcrossRunsTest, SecondRunFindsTheListsAsTheyWere) {
    ASSERT_NE(test::EnsureFrame(), nullptr);
    EXPECT_EQ(App().sexChoice, 2);
    EXPECT_EQ(test::MarkedSexItem(), kCmdSexGirls);
    // Both again, as later runs of the tests expect to start.
    test::ChooseSex(kCmdSexBoth);
    const CRecentList& recent = App().recent;
    ASSERT_EQ(recent.Entries(), 5);
    // Newest first.
    for (int i = 0; i < 5; ++i) {
        EXPECT_STREQ(recent.surnames[i], kPeople[4 - i][0]);
        EXPECT_STREQ(recent.givenNames[i], kPeople[4 - i][1]);
    }
    // Each list holds every person once, in score order (648 619 608 585 422).
    const char* const bestOrder[] = {"星倉", "佐々木", "長谷川", "山田", "林"};
    const CRankList& best = App().rankLists.best;
    const CRankList& worst = App().rankLists.worst;
    for (int row = 0; row < 5; ++row) {
        EXPECT_STREQ(best.surnames[row], bestOrder[row]) << row;
        EXPECT_STREQ(worst.surnames[row], bestOrder[4 - row]) << row;
    }
    EXPECT_EQ(best.scores[0], 648);
    EXPECT_EQ(worst.scores[0], 422);
    EXPECT_EQ(best.scores[5], 0);
    test::DestroyFrame();
}

}  // namespace
}  // namespace hoshikura
