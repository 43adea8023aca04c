// Keys as a user presses them: typed into the shown frame and delivered to
// whatever window has the focus, through the program's own key translation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app_state.h"
#include "dispatch.h"
#include "frame_window.h"
#include "gui_fixture.h"
#include "view_list.h"
#include "gui_fixture.h"

namespace hoshikura {
namespace {

const char kCloseQuestion[] = "\n終了しますか？\n\n";

class KeyboardTest : public test::ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        SetForegroundWindow(App().frame);
        Pump();
    }

    // The program's loop: its key translation first, then the usual steps.
    static void Pump() {
        DWORD start = GetTickCount();
        while (GetTickCount() - start < 150) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_QUIT || TranslateViewKeys(&message)) continue;
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            Sleep(5);
        }
    }

    // A key, with Ctrl held when asked, as keyboard input.
    static void Press(WORD key, bool control = false) {
        INPUT inputs[4] = {};
        int count = 0;
        auto add = [&](WORD code, DWORD flags) {
            inputs[count].type = INPUT_KEYBOARD;
            inputs[count].ki.wVk = code;
            inputs[count].ki.dwFlags = flags;
            ++count;
        };
        if (control) add(VK_CONTROL, 0);
        add(key, 0);
        add(key, KEYEVENTF_KEYUP);
        if (control) add(VK_CONTROL, KEYEVENTF_KEYUP);
        SendInput(count, inputs, sizeof inputs[0]);
        Pump();
    }

    // Escape, answered with `button`; returns the question it raised.
    static std::string Escape(int button) {
        std::string question;
        test::AnswerNextMessageBox(button, &question);
        Press(VK_ESCAPE);
        return question;
    }

    static HWND ActiveView() {
        return reinterpret_cast<HWND>(SendMessageA(App().client, WM_MDIGETACTIVE, 0, 0));
    }

    test::CShownFrame shown_;
};

TEST_F(KeyboardTest, EscapeInTheFrameAsksToQuit) {
    ASSERT_NE(GetFocus(), nullptr);
    EXPECT_EQ(Escape(IDCANCEL), kCloseQuestion) << "the focus is where start-up left it";
    SetFocus(App().client);
    EXPECT_EQ(Escape(IDCANCEL), kCloseQuestion) << "in the MDI client";
    EXPECT_TRUE(IsWindowVisible(App().frame));
}

BOOL CALLBACK AddChild(HWND child, LPARAM children) {
    reinterpret_cast<std::vector<HWND>*>(children)->push_back(child);
    return TRUE;
}

TEST_F(KeyboardTest, EscapeInEveryViewAsksToCloseItWhereverTheFocusIs) {
    for (const test::ViewRequest& request : test::kEveryViewRequest) {
        ASSERT_TRUE(OpenView(request.first, request.second, request.kind));
        Pump();
        std::vector<HWND> controls;
        EnumChildWindows(ActiveView(), AddChild, reinterpret_cast<LPARAM>(&controls));
        for (HWND control : controls) {
            if (!IsWindowVisible(control) || !SetFocus(control)) continue;
            if (GetFocus() != control) continue;  // takes no focus
            EXPECT_EQ(Escape(IDCANCEL), kCloseQuestion) << request.kind << " " << control;
        }
        SetFocus(ActiveView());
        EXPECT_EQ(Escape(IDOK), kCloseQuestion) << request.kind;
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
