// The frame: its recent-person entries, splash, start-up and shutdown.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app_objects.h"
#include "app_state.h"
#include "dispatch.h"
#include "frame_window.h"
#include "gui_fixture.h"
#include "recent_people.h"
#include "screenshot.h"
#include "view.h"
#include "view_list.h"

namespace hoshikura {
namespace {

std::string StoredTop10Surname() {
    char text[32] = {};
    DWORD size = sizeof text - 1;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Hoshikura\\Top10", 0, KEY_READ, &key))
        return "";
    RegQueryValueExA(key, "1 sei", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    return text;
}

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(test::EnsureFrame(), nullptr);
        test::CloseAllViews();
        test::TakeMessages();
    }
    void TearDown() override { test::CloseAllViews(); }
};

TEST_F(FrameTest, RecentEntriesJudgeAgain) {
    for (int i = 0; i < 10; ++i) {
        char given[8] = "一";
        given[1] = static_cast<char>(given[1] + i);  // distinct given names
        RememberPerson("山田", given);
    }
    RememberPerson("林", "一");
    test::CloseAllViews();
    // The tenth entry's text starts with a blank after its prefix.
    for (int id = kCmdFirstRecent; id <= kCmdFirstRecent + 10; ++id)
        SendMessageA(App().frame, WM_COMMAND, id, 0);
    EXPECT_EQ(test::ViewCountOfKind(kJudgementView), 11);
    EXPECT_TRUE(test::TakeMessages().empty());
}

TEST(FrameLifetimeTest, SplashClosesOnItsTimerAfterMoreThanTwoSeconds) {
    test::DestroyFrame();
    ASSERT_NE(test::EnsureFrame(), nullptr);
    ASSERT_EQ(test::ViewCountOfKind(kVersionView), 1);
    HWND splash = App().viewList->versionWindow;
    EXPECT_EQ(App().viewList->head->window, splash);
    test::PumpFor(2700);  // five or six timer calls: not yet
    EXPECT_TRUE(IsWindow(splash));
    test::PumpFor(1600);
    EXPECT_FALSE(IsWindow(splash));
    EXPECT_FALSE(App().splashPending);
    EXPECT_EQ(App().viewList->versionOpen, 0);
    // From the menu afterwards, the version view stays.
    SendMessageA(App().frame, WM_COMMAND, kCmdVersion, 0);
    test::PumpFor(1100);
    EXPECT_EQ(test::ViewCountOfKind(kVersionView), 1);
}

TEST(FrameLifetimeTest, SplashClosedByTheUserIsNotDestroyedAgain) {
    test::DestroyFrame();
    ASSERT_NE(test::EnsureFrame(), nullptr);
    test::CloseAllViews();
    EXPECT_EQ(App().viewList->versionWindow, nullptr) << "deleting the version view forgets its window";
    OpenView("山田", "太郎", kJudgementView);
    test::PumpFor(4200);
    EXPECT_EQ(test::ViewCount(), 1) << "the timer left the other view alone";
    EXPECT_FALSE(App().splashPending);
}

TEST(FrameLifetimeTest, ShutdownWithViewsOpenSavesThenFrees) {
    ASSERT_NE(test::EnsureFrame(), nullptr);
    OpenView("山田", "太郎", kJudgementView);
    OpenView("林", "一", kExplanationView);
    std::strcpy(App().rankLists.best.surnames[0], "星倉");
    App().rankLists.best.scores[0] = 700;
    test::DestroyFrame();
    EXPECT_EQ(App().viewList, nullptr);
    EXPECT_EQ(App().drawContext, nullptr);
    EXPECT_EQ(App().fortunes, nullptr);
    EXPECT_EQ(App().samples, nullptr);
    EXPECT_EQ(StoredTop10Surname(), "星倉");
    // The next start reads it back.
    ASSERT_NE(test::EnsureFrame(), nullptr);
    EXPECT_STREQ(App().rankLists.best.surnames[0], "星倉");
}

TEST(FrameLifetimeTest, AStartThatNeverLoadedDoesNotOverwriteTheStore) {
    ASSERT_NE(test::EnsureFrame(), nullptr);
    std::strcpy(App().rankLists.best.surnames[0], "保存");
    App().rankLists.best.scores[0] = 650;
    test::DestroyFrame();
    ASSERT_EQ(StoredTop10Surname(), "保存");
    App().rankLists.Clear();
    App().settingsLoaded = false;  // as when start-up stopped before the load
    DestroyAppObjects();
    EXPECT_EQ(StoredTop10Surname(), "保存");
}

TEST(FrameScreenshotTest, SavesTheFrameWithItsMenuAndViews) {
    ASSERT_NE(test::EnsureFrame(), nullptr);
    test::CloseAllViews();
    HWND frame = App().frame;
    ShowWindow(frame, SW_SHOW);
    OpenView("山田", "太郎", kJudgementView);
    OpenView("山田", "太郎", kExplanationView);
    OpenView("山田", "太郎", kStrokeMethodView);
    SetForegroundWindow(frame);
    test::PumpFor(600);  // the screen as the messages leave it
    EXPECT_TRUE(test::SaveWindowPng(frame, test::ArtefactPath("frame.png")));
    test::CloseAllViews();
    ShowWindow(frame, SW_HIDE);
}

}  // namespace
}  // namespace hoshikura
