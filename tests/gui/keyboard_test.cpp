// Keys as a user presses them: typed into the shown frame and delivered to
// whatever window has the focus, through the program's own key translation.
// Escape asks to close the view (or the frame) wherever the focus is;
// Ctrl+F6 moves to the next view and Ctrl+F4 closes it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app_state.h"
#include "dispatch.h"
#include "frame_window.h"
#include "gui_fixture.h"

namespace hoshikura {
namespace {

// The program's loop: its key translation first, then the usual steps.
void Pump() {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 150; Sleep(5)) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT || TranslateViewKeys(&message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

// A key, with Ctrl held when asked, as keyboard input.
void Press(WORD key, bool control = false) {
    INPUT inputs[4] = {};
    int count = 0;
    const auto add = [&](WORD code, DWORD flags) {
        inputs[count].type = INPUT_KEYBOARD;
        inputs[count].ki.wVk = code;
        inputs[count++].ki.dwFlags = flags;
    };
    if (control) add(VK_CONTROL, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (control) add(VK_CONTROL, KEYEVENTF_KEYUP);
    SendInput(count, inputs, sizeof inputs[0]);
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
        ASSERT_TRUE(OpenView(request.first, request.second, request.kind));
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
    ASSERT_TRUE(OpenView("山田", "太郎", kJudgementView));
    ASSERT_TRUE(OpenView("林", "一", kJudgementView));
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
