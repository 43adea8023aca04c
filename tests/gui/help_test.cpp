// The help command with the help file beside the program, and without it.
#include <gtest/gtest.h>

#include <cstring>

#include "app_state.h"
#include "frame_window.h"
#include "gui_fixture.h"
#include "help_loader.h"

namespace hoshikura {
namespace {

HWND FindHelpViewer() { return FindWindowA("HH Parent", nullptr); }

class HelpTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(test::EnsureFrame(), nullptr);
        GetCurrentDirectoryA(sizeof startDirectory_, startDirectory_);
        CallHtmlHelp(nullptr, nullptr, HH_INITIALIZE,
                     reinterpret_cast<DWORD_PTR>(&App().helpCookie));
    }
    void TearDown() override {
        CallHtmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
        test::PumpFor(200);
        SetCurrentDirectoryA(startDirectory_);
    }

private:
    char startDirectory_[MAX_PATH] = {};
};

TEST_F(HelpTest, ControlPathIsTerminatedAndExpanded) {
    char path[MAX_PATH];
    if (HelpControlPath(path, sizeof path)) {
        EXPECT_LT(strlen(path), sizeof path);
        EXPECT_EQ(std::strchr(path, '%'), nullptr) << "an expandable path is expanded";
    }
    char tiny[4];
    EXPECT_FALSE(HelpControlPath(tiny, 1));
}

TEST_F(HelpTest, HelpCommandOpensTheViewerOnTheFile) {
    // The file is built beside the program, one folder up from the tests.
    ASSERT_TRUE(SetCurrentDirectoryA(".."));
    ASSERT_NE(GetFileAttributesA("Hoshikura.chm"), INVALID_FILE_ATTRIBUTES);
    SendMessageA(App().frame, WM_COMMAND, kCmdHelp, 0);
    test::PumpFor(500);
    EXPECT_NE(FindHelpViewer(), nullptr);
    EXPECT_TRUE(test::TakeMessages().empty());
}

TEST_F(HelpTest, MissingFileShowsNothingOfOurs) {
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    ASSERT_TRUE(SetCurrentDirectoryA(folder));
    SendMessageA(App().frame, WM_COMMAND, kCmdHelp, 0);
    test::PumpFor(300);
    EXPECT_EQ(FindHelpViewer(), nullptr);
    EXPECT_TRUE(test::TakeMessages().empty());
}

}  // namespace
}  // namespace hoshikura
