// The help command with the help file beside the program, and without it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

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

// The help file as the build leaves it: beside the program, which is one
// folder up from the tests.
std::string BuiltHelpFile() {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, sizeof program);
    std::string folder(program, std::strrchr(program, '\\') - program);
    return folder.substr(0, folder.rfind('\\') + 1) + "Hoshikura.chm";
}

// The test program's own folder, with a closing backslash.
std::string ProgramFolder() {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, sizeof program);
    return std::string(program, std::strrchr(program, '\\') + 1 - program);
}

void AskForHelp() {
    SendMessageA(App().frame, WM_COMMAND, kCmdHelp, 0);
    test::PumpFor(500);
}

TEST_F(HelpTest, HelpOpensTheFileBesideTheProgramFromAnyFolder) {
    const std::string beside = ProgramFolder() + "Hoshikura.chm";
    ASSERT_TRUE(CopyFileA(BuiltHelpFile().c_str(), beside.c_str(), FALSE));
    char elsewhere[MAX_PATH];
    GetTempPathA(sizeof elsewhere, elsewhere);
    ASSERT_TRUE(SetCurrentDirectoryA(elsewhere));
    AskForHelp();
    EXPECT_NE(FindHelpViewer(), nullptr);
    CallHtmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
    test::PumpFor(200);
    DeleteFileA(beside.c_str());
    EXPECT_TRUE(test::TakeMessages().empty());
}

TEST_F(HelpTest, AFileOnlyInTheCurrentFolderIsNotOpened) {
    const std::string built = BuiltHelpFile();
    ASSERT_TRUE(SetCurrentDirectoryA(built.substr(0, built.rfind('\\')).c_str()));
    ASSERT_NE(GetFileAttributesA("Hoshikura.chm"), INVALID_FILE_ATTRIBUTES);
    AskForHelp();
    EXPECT_EQ(FindHelpViewer(), nullptr);
    EXPECT_TRUE(test::TakeMessages().empty());
}

}  // namespace
}  // namespace hoshikura
