// The frame: its size, menu, commands, splash, start-up and shutdown.
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

std::string MenuText(HMENU menu, int position) {
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

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

TEST(FrameSizeTest, TallScreensGetTheLargerFrame) {
    EXPECT_EQ(FrameSizeFor(601).cx, 800);
    EXPECT_EQ(FrameSizeFor(601).cy, 600);
    EXPECT_EQ(FrameSizeFor(600).cx, 640);
    EXPECT_EQ(FrameSizeFor(600).cy, 480);
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

TEST_F(FrameTest, IsCentredWithItsClientAndAllObjects) {
    const CAppState& app = App();
    EXPECT_NE(app.viewList, nullptr);
    EXPECT_NE(app.drawContext, nullptr);
    EXPECT_NE(app.fortunes, nullptr);
    EXPECT_NE(app.samples, nullptr);
    EXPECT_NE(app.appIcon, nullptr);
    EXPECT_TRUE(app.settingsLoaded);
    RECT area;
    GetWindowRect(app.frame, &area);
    SIZE size = FrameSizeFor(GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(area.right - area.left, size.cx);
    EXPECT_EQ(area.left, GetSystemMetrics(SM_CXSCREEN) / 2 - size.cx / 2);
    EXPECT_EQ(area.top, GetSystemMetrics(SM_CYSCREEN) / 2 - size.cy / 2);
    EXPECT_EQ(GetParent(app.client), app.frame);
    EXPECT_EQ(GetDlgCtrlID(app.client), kMdiClientId);
}

TEST_F(FrameTest, MenuHasTheFourPopupsAndTheirItems) {
    HMENU bar = GetMenu(App().frame);
    ASSERT_EQ(GetMenuItemCount(bar), 4);
    EXPECT_EQ(MenuText(bar, 0), "操作");
    EXPECT_EQ(MenuText(bar, 1), "名前検索");
    EXPECT_EQ(MenuText(bar, 2), "ｳｨﾝﾄﾞｳ(&W)");
    EXPECT_EQ(MenuText(bar, 3), "その他(&O)");
    HMENU operations = GetSubMenu(bar, 0);
    EXPECT_EQ(MenuText(operations, 0), "姓名判断(&A)");
    EXPECT_EQ(MenuText(operations, 2), "Best10_Worst10(&T)");
    EXPECT_EQ(GetMenuItemID(operations, 5), static_cast<UINT>(kCmdQuit));
    HMENU search = GetSubMenu(bar, 1);
    EXPECT_EQ(MenuText(search, 2), "名前を検索（姓と使用する一文字を入力）(&C)");
    EXPECT_EQ(GetMenuItemID(search, 4), static_cast<UINT>(kCmdGivenNameSearch));
    EXPECT_EQ(MenuText(search, 5), "読みから漢字を組み立てる(&E)");
    EXPECT_EQ(GetMenuItemID(search, 5), static_cast<UINT>(kCmdComposeSearch));
    // Last, after a separator, the three sex items; the loaded choice is marked.
    const int items = GetMenuItemCount(search);
    ASSERT_GE(items, 9);
    EXPECT_TRUE(GetMenuState(search, items - 4, MF_BYPOSITION) & MF_SEPARATOR);
    const struct {
        const char* text;
        int command;
        int32_t choice;
    } sexItems[] = {{"男の子の名前", kCmdSexBoys, 1}, {"女の子の名前", kCmdSexGirls, 2},
                    {"男女とも", kCmdSexBoth, 0}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(MenuText(search, items - 3 + i), sexItems[i].text);
        EXPECT_EQ(GetMenuItemID(search, items - 3 + i), static_cast<UINT>(sexItems[i].command));
        if (sexItems[i].choice == App().sexChoice) {
            EXPECT_EQ(test::MarkedSexItem(), sexItems[i].command);
        }
    }
    for (const auto& item : sexItems) {
        test::ChooseSex(item.command);
        EXPECT_EQ(App().sexChoice, item.choice);
        EXPECT_EQ(test::MarkedSexItem(), item.command);
    }
    HMENU other = GetSubMenu(bar, 3);
    EXPECT_EQ(MenuText(other, 1), "Hoshikuraのﾊﾞｰｼﾞｮﾝ(&V)");
    EXPECT_EQ(GetMenuItemID(other, 2), static_cast<UINT>(kCmdFeatures));
}

TEST_F(FrameTest, WindowMenuListsTheOpenViews) {
    OpenView("山田", "太郎", kJudgementView);
    HMENU windowMenu = GetSubMenu(GetMenu(App().frame), 2);
    int items = GetMenuItemCount(windowMenu);
    EXPECT_GE(items, 5) << "three commands, a separator and the view";
    EXPECT_EQ(GetMenuItemID(windowMenu, items - 1), static_cast<UINT>(kFirstMdiChildId));
}

TEST_F(FrameTest, DialogCommandsOpenTheirDialogs) {
    const int dialogs[] = {kCmdJudge, kCmdSurnameSearch, kCmdReadingSearch, kCmdKanjiSearch,
                           kCmdGivenNameSearch, kCmdComposeSearch};
    for (int command : dialogs) {
        std::string shown = "none";
        test::AnswerNextMessageBox(IDCANCEL, &shown);  // any dialog box of the thread
        SendMessageA(App().frame, WM_COMMAND, command, 0);
        EXPECT_NE(shown, "none") << "command " << command << " showed a dialog";
        EXPECT_EQ(test::ViewCount(), 0) << "cancel opens nothing";
    }
}

TEST_F(FrameTest, ArrangeCloseAndHelpCommandsRun) {
    OpenView("山田", "太郎", kJudgementView);
    OpenView("林", "一", kJudgementView);
    HWND frame = App().frame;
    for (int command : {kCmdCascade, kCmdTileHorizontal, kCmdTileVertical})
        SendMessageA(frame, WM_COMMAND, command, 0);
    EXPECT_EQ(test::ViewCount(), 2);
    SendMessageA(frame, WM_COMMAND, kCmdCloseWindow, 0);
    EXPECT_EQ(test::ViewCount(), 1);
    SendMessageA(frame, WM_COMMAND, kCmdHelp, 0);  // no help file here: nothing breaks
    EXPECT_TRUE(test::TakeMessages().empty());
}

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
    HWND splash = App().splashWindow;
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
    EXPECT_EQ(App().splashWindow, nullptr) << "deleting the version view forgets its window";
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
