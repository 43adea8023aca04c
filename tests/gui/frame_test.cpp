// The frame's own commands and timers: recent-person entries judge again,
// the splash closes on its timer (and a splash the user closed first is
// left alone), help opens the file beside the program from any folder and
// never a file of the current folder.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app_state.h"
#include "dispatch.h"
#include "frame_window.h"
#include "gui_fixture.h"
#include "help_loader.h"
#include "view_list.h"

namespace hoshikura {
namespace {

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
    // The tenth entry's text starts with a blank after its prefix.
    for (int id = kCmdFirstRecent; id <= kCmdFirstRecent + 10; ++id) SendMessageA(App().frame, WM_COMMAND, id, 0);
    EXPECT_EQ(test::ViewCountOfKind(kJudgementView), 11);
    EXPECT_TRUE(test::TakeMessages().empty());
}

TEST_F(FrameTest, SplashClosesOnItsTimerUnlessTheUserClosedItFirst) {
    test::DestroyFrame();
    ASSERT_NE(test::EnsureFrame(), nullptr);
    HWND splash = App().splashWindow;
    ASSERT_EQ(test::ViewCountOfKind(kVersionView), 1);
    test::PumpFor(4300);
    EXPECT_FALSE(IsWindow(splash));
    EXPECT_EQ(App().viewList->versionOpen, 0);
    SendMessageA(App().frame, WM_COMMAND, kCmdVersion, 0);
    test::PumpFor(1100);
    EXPECT_EQ(test::ViewCountOfKind(kVersionView), 1) << "from the menu afterwards, it stays";

    test::DestroyFrame();
    ASSERT_NE(test::EnsureFrame(), nullptr);
    test::CloseAllViews();
    EXPECT_EQ(App().splashWindow, nullptr) << "closing the version view forgets its window";
    OpenView("山田", "太郎", kJudgementView);
    test::PumpFor(4300);
    EXPECT_EQ(test::ViewCount(), 1) << "the timer left the other view alone";
}

// The help file as the build leaves it: beside the program, one folder up
// from the tests.
std::string Folder(int up) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    for (int i = 0; i <= up; ++i) folder.erase(folder.rfind('\\'));
    return folder;
}

bool HelpOpensFrom(const std::string& folder) {
    char start[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof start, start);
    CallHtmlHelp(nullptr, nullptr, HH_INITIALIZE, reinterpret_cast<DWORD_PTR>(&App().helpCookie));
    EXPECT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    SendMessageA(App().frame, WM_COMMAND, kCmdHelp, 0);
    test::PumpFor(500);
    const bool opened = FindWindowA("HH Parent", nullptr) != nullptr;
    CallHtmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
    test::PumpFor(200);
    SetCurrentDirectoryA(start);
    return opened;
}

TEST_F(FrameTest, HelpOpensTheFileBesideTheProgramOnly) {
    const std::string built = Folder(1) + "\\Hoshikura.chm";
    ASSERT_NE(GetFileAttributesA(built.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(HelpOpensFrom(Folder(1))) << "a file only in the current folder";
    const std::string beside = Folder(0) + "\\Hoshikura.chm";
    ASSERT_TRUE(CopyFileA(built.c_str(), beside.c_str(), FALSE));
    char elsewhere[MAX_PATH];
    GetTempPathA(sizeof elsewhere, elsewhere);
    EXPECT_TRUE(HelpOpensFrom(elsewhere));
    DeleteFileA(beside.c_str());
    EXPECT_TRUE(test::TakeMessages().empty());

    char path[MAX_PATH], tiny[4];
    EXPECT_TRUE(!HelpControlPath(path, sizeof path) || !std::strchr(path, '%')) << "expanded";
    EXPECT_FALSE(HelpControlPath(tiny, 1));
}

}  // namespace
}  // namespace hoshikura
