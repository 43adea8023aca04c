// The frame's own commands, timers and keys: recent-person entries judge
// again, the splash closes on its timer (and a splash the user closed first
// is left alone), help opens the file beside the program from any folder
// and never a file of the current folder; the recent-people submenu and the
// sex choices as the menu shows them. Keys are typed into the shown frame
// and delivered to whatever window has the focus, through the program's own
// key translation: Escape asks to close the view (or the frame) wherever the
// focus is; Ctrl+F6 moves to the next view and Ctrl+F4 closes it; Tab and
// Shift+Tab visit every control of a view, Enter and Space press it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app_state.h"
#include "dispatch.h"
#include "frame_window.h"
#include "gui_fixture.h"
#include "help_loader.h"
#include "rank_view.h"
#include "recent_people.h"
#include "search_view.h"
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

// A key, with a modifier (Ctrl, Shift) held when asked, and its effects.
void Press(BYTE key, BYTE modifier = 0) {
    test::TypeKey(key, modifier);
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
    Press(VK_F6, VK_CONTROL);
    HWND next = ActiveView();
    EXPECT_NE(next, newest);
    Press(VK_F4, VK_CONTROL);
    EXPECT_FALSE(IsWindow(next));
    EXPECT_EQ(test::ViewCount(), 1);
    EXPECT_EQ(ActiveView(), newest);
}

// Where the focus is after each press of `key`.
std::vector<HWND> FocusAfterPresses(size_t presses, BYTE modifier) {
    std::vector<HWND> visited;
    for (size_t i = 0; i < presses; ++i) {
        Press(VK_TAB, modifier);
        visited.push_back(GetFocus());
    }
    return visited;
}

// Every button and list of every view is a tab stop; Tab from the view
// visits them all in order and comes round again, Shift+Tab goes back.
TEST_F(KeyboardTest, TabAndShiftTabVisitEveryControlOfAViewInOrder) {
    for (const test::ViewRequest& request : test::kEveryViewRequest) {
        ASSERT_TRUE(test::OpenRequested(request));
        Pump();
        HWND view = ActiveView();
        std::vector<HWND> controls;
        EnumChildWindows(view, AddChild, reinterpret_cast<LPARAM>(&controls));
        const std::vector<HWND> stops = test::TabStops(view);
        for (HWND control : controls) {
            char name[16] = {};
            GetClassNameA(control, name, sizeof name);
            const bool pressable = !lstrcmpiA(name, "Button") || !lstrcmpiA(name, "ListBox");
            if (GetParent(control) == view && pressable) {
                EXPECT_NE(std::find(stops.begin(), stops.end(), control), stops.end()) << request.kind << " " << name;
            }
        }
        SetFocus(view);
        if (stops.empty()) {
            test::CloseAllViews();
            continue;
        }
        std::vector<HWND> forward = stops;
        forward.push_back(stops.front());
        EXPECT_EQ(FocusAfterPresses(forward.size(), 0), forward) << request.kind;
        const std::vector<HWND> backward(forward.rbegin() + 1, forward.rend());
        EXPECT_EQ(FocusAfterPresses(backward.size(), VK_SHIFT), backward) << request.kind;
        EXPECT_EQ(ActiveView(), view) << request.kind;
        test::CloseAllViews();
    }
}

// Presses Return in the next message box as soon as it is up; its text.
std::string g_boxText;
void CALLBACK ReturnInBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = test::FindDialog();
    if (!box) return;
    KillTimer(nullptr, timer);
    g_boxText = test::MessageBoxText(box);
    test::TypeKey(VK_RETURN);
}

// Enter and Space press the focused button, Enter on a result row judges
// it, and the question before clearing the lists defaults to No.
TEST_F(KeyboardTest, EnterAndSpacePressTheFocusedButtonAndEnterJudgesAResultRow) {
    ASSERT_TRUE(test::OpenRequested({kJudgementView, "山田", "太郎"}));
    Pump();
    CView* judgement = NewestView();
    SetFocus(judgement->window);
    Press(VK_TAB);
    ASSERT_EQ(GetFocus(), judgement->controls[0]);
    Press(VK_RETURN);
    EXPECT_EQ(test::ViewCountOfKind(kExplanationView), 1);
    SendMessageA(App().client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(judgement->window), 0);
    SetFocus(judgement->controls[1]);
    Press(VK_SPACE);
    EXPECT_EQ(test::ViewCountOfKind(kStrokeMethodView), 1);
    test::CloseAllViews();

    ASSERT_TRUE(test::OpenRequested({kReadingSearchView, "山田", "ひろし"}));
    Pump();
    CView* search = NewestView();
    SetFocus(search->window);
    Press(VK_TAB);
    Press(VK_DOWN);
    Press(VK_RETURN);
    CView* judged = NewestView();
    ASSERT_EQ(judged->kind, kJudgementView);
    const std::string row = test::ListRow(search->controls[0], 0);
    EXPECT_NE(row.find(judged->GivenName()), std::string::npos) << row;
    test::CloseAllViews();

    const CRankLists before = App().rankLists;
    SendMessageA(App().frame, WM_COMMAND, kCmdRanking, 0);
    Pump();
    CView* ranking = NewestView();
    SetFocus(ranking->controls[kClearButton]);
    g_boxText.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, ReturnInBox);
    Press(VK_RETURN);
    KillTimer(nullptr, timer);
    EXPECT_FALSE(g_boxText.empty()) << "clearing asks first";
    EXPECT_EQ(std::memcmp(&before, &App().rankLists, sizeof before), 0) << "Return answers No";
}

// The recent-people submenu says it is empty, greyed; the sex choices
// have mnemonics of their own in their menu.
TEST_F(FrameTest, EmptyRecentSubmenuAndSexChoicesAsTheMenuShowsThem) {
    App().recent.Clear();
    RebuildRecentMenu();
    HMENU operations = GetSubMenu(GetMenu(App().frame), 0);
    HMENU recent = GetSubMenu(operations, 1);
    ASSERT_NE(recent, nullptr);
    ASSERT_EQ(GetMenuItemCount(recent), 1);
    EXPECT_EQ(test::MenuText(recent, 0, MF_BYPOSITION), "(なし)");
    EXPECT_TRUE(GetMenuState(recent, 0, MF_BYPOSITION) & MF_GRAYED);
    RememberPerson("山田", "太郎");
    recent = GetSubMenu(operations, 1);
    ASSERT_EQ(GetMenuItemCount(recent), 1);
    EXPECT_FALSE(GetMenuState(recent, 0, MF_BYPOSITION) & MF_GRAYED);

    HMENU searches = GetSubMenu(GetMenu(App().frame), 1);
    std::string letters;
    for (int i = 0; i < GetMenuItemCount(searches); ++i) {
        const std::string text = test::MenuText(searches, static_cast<UINT>(i), MF_BYPOSITION);
        if (text.empty()) continue;
        const char* item = text.c_str();
        const char* mark = std::strstr(item, "(&");
        ASSERT_NE(mark, nullptr) << item;
        EXPECT_EQ(letters.find(mark[2]), std::string::npos) << item;
        letters += mark[2];
    }
}

}  // namespace
}  // namespace hoshikura
