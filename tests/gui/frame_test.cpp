// The frame's own commands, timers and keys: recent-person entries judge
// again, the splash closes on its timer (and a splash the user closed first
// is left alone), help opens the file beside the program from any folder
// and never a file of the current folder. Keys are typed into the shown
// frame and delivered to whatever window has the focus, through the
// program's own key translation: Escape asks to close the view (or the
// frame) wherever the focus is; Ctrl+F6 moves to the next view and Ctrl+F4
// closes it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app_state.h"
#include "dispatch.h"
#include "frame_window.h"
#include "gui_fixture.h"
#include "help_loader.h"
#include "view_list.h"

namespace hoshikura {
namespace {

class FrameTest : public test::ViewTest {};

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
    HWND splash = App().viewList->versionWindow;
    ASSERT_EQ(test::ViewCountOfKind(kVersionView), 1);
    // The splash goes when its timer fires, about 3.5 s in.
    EXPECT_TRUE(test::PumpUntil([] { return !App().splashPending; }, 5000));
    EXPECT_FALSE(IsWindow(splash));
    EXPECT_EQ(App().viewList->versionOpen, 0);
    SendMessageA(App().frame, WM_COMMAND, kCmdVersion, 0);
    test::PumpFor(1100);
    EXPECT_EQ(test::ViewCountOfKind(kVersionView), 1) << "from the menu afterwards, it stays";

    test::DestroyFrame();
    ASSERT_NE(test::EnsureFrame(), nullptr);
    test::CloseAllViews();
    EXPECT_EQ(App().viewList->versionWindow, nullptr) << "closing the version view forgets its window";
    test::OpenRequested({kJudgementView, "山田", "太郎"});
    EXPECT_TRUE(test::PumpUntil([] { return !App().splashPending; }, 5000));
    EXPECT_EQ(test::ViewCount(), 1) << "the timer left the other view alone";
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

// The help file as the build leaves it: beside the program, one folder up
// from the tests.
TEST_F(FrameTest, HelpOpensTheFileBesideTheProgramOnly) {
    const std::string built = test::ProgramFolder() + "\\Hoshikura.chm";
    ASSERT_NE(GetFileAttributesA(built.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(HelpOpensFrom(test::ProgramFolder())) << "a file only in the current folder";
    const std::string beside = test::TestFolder() + "\\Hoshikura.chm";
    ASSERT_TRUE(CopyFileA(built.c_str(), beside.c_str(), FALSE));
    char elsewhere[MAX_PATH];
    GetTempPathA(sizeof elsewhere, elsewhere);
    EXPECT_TRUE(HelpOpensFrom(elsewhere));
    DeleteFileA(beside.c_str());
    EXPECT_TRUE(test::TakeMessages().empty());
}

void Pump() { test::PumpFor(150); }

// A key, with Ctrl held when asked, as keyboard input.
void Press(BYTE key, bool control = false) {
    if (control) keybd_event(VK_CONTROL, 0, 0, 0);
    keybd_event(key, 0, 0, 0);
    keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
    if (control) keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
    Pump();
}

// Escape, answered with `button`; the question it raised.
std::string Escape(int button) {
    std::string question;
    test::AnswerNextMessageBox(button, &question);
    Press(VK_ESCAPE);
    return question;
}

HWND ActiveView() { return reinterpret_cast<HWND>(SendMessageA(App().client, WM_MDIGETACTIVE, 0, 0)); }

BOOL CALLBACK AddChild(HWND child, LPARAM children) {
    reinterpret_cast<std::vector<HWND>*>(children)->push_back(child);
    return TRUE;
}

class KeyboardTest : public test::ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        SetForegroundWindow(App().frame);
        Pump();
    }
    const test::CShownFrame shown_;
};

TEST_F(KeyboardTest, EscapeAsksToCloseTheFrameOrTheViewWhereverTheFocusIs) {
    ASSERT_NE(GetFocus(), nullptr);
    const std::string question = Escape(IDCANCEL);
    EXPECT_FALSE(question.empty()) << "the focus is where start-up left it";
    SetFocus(App().client);
    EXPECT_EQ(Escape(IDCANCEL), question) << "in the MDI client";
    EXPECT_TRUE(IsWindowVisible(App().frame));
    for (const test::ViewRequest& request : test::kEveryViewRequest) {
        ASSERT_TRUE(test::OpenRequested(request));
        Pump();
        std::vector<HWND> controls;
        EnumChildWindows(ActiveView(), AddChild, reinterpret_cast<LPARAM>(&controls));
        for (HWND control : controls) {
            if (!IsWindowVisible(control) || !SetFocus(control) || GetFocus() != control) continue;
            EXPECT_EQ(Escape(IDCANCEL), question) << request.kind << " " << control;
        }
        SetFocus(ActiveView());
        EXPECT_EQ(Escape(IDOK), question) << request.kind;
        EXPECT_EQ(test::ViewCount(), 0) << request.kind;
        test::CloseAllViews();
    }
}

TEST_F(KeyboardTest, ControlF6MovesToTheNextViewAndControlF4ClosesIt) {
    ASSERT_TRUE(test::OpenRequested({kJudgementView, "山田", "太郎"}));
    ASSERT_TRUE(test::OpenRequested({kJudgementView, "林", "一"}));
    Pump();
    HWND newest = ActiveView();
    Press(VK_F6, true);
    HWND next = ActiveView();
    EXPECT_NE(next, newest);
    Press(VK_F4, true);
    EXPECT_FALSE(IsWindow(next));
    EXPECT_EQ(test::ViewCount(), 1);
    EXPECT_EQ(ActiveView(), newest);
}

}  // namespace
}  // namespace hoshikura
