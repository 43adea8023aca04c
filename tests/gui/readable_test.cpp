// What a user must be able to read: the reading views' yellow heading
// against what stands behind it, and the best and worst view's entry in the
// window menu.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "app_state.h"
#include "frame_window.h"
#include "gui_fixture.h"
#include "search_view.h"
#include "view_list.h"

namespace hoshikura {
namespace {

class ReadableTest : public test::ViewTest {};

double Luminance(COLORREF colour) {
    auto linear = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(GetRValue(colour)) + 0.7152 * linear(GetGValue(colour)) +
           0.0722 * linear(GetBValue(colour));
}

double Contrast(COLORREF a, COLORREF b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::fmax(la, lb) + 0.05) / (std::fmin(la, lb) + 0.05);
}

// The heading is drawn in its colour on the button face, and reads at
// 4.5:1 or more on every usual button face.
TEST_F(ReadableTest, ReadingHeadingsStandOutFromTheButtonFace) {
    for (COLORREF face : {GetSysColor(COLOR_BTNFACE), RGB(192, 192, 192), RGB(212, 208, 200), RGB(240, 240, 240)})
        EXPECT_GE(Contrast(kReadingHeadingColour, face), 4.5) << std::hex << face;
    for (const test::ViewRequest& request : {test::ViewRequest{kReadingSearchView, "山田", "ひろし"},
                                             test::ViewRequest{kComposeSearchView, "佐藤", "はると"}}) {
        CView* view = Open(request);
        ASSERT_NE(view, nullptr);
        RECT client;
        GetClientRect(view->window, &client);
        test::CCanvas canvas(client.right, client.bottom);
        SendMessageA(view->window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
        EXPECT_GT(test::CountColour(canvas, {0, 0, client.right, 56}, kReadingHeadingColour), 50) << request.kind;
    }
}

// "Best10 & Worst10" keeps its "&" in the window menu.
TEST_F(ReadableTest, WindowMenuListsTheBestAndWorstViewByItsTitle) {
    SendMessageA(App().frame, WM_COMMAND, kCmdRanking, 0);
    HWND ranking = App().viewList->rankingWindow;
    ASSERT_NE(ranking, nullptr);
    HMENU windows = GetSubMenu(GetMenu(App().frame), 2);
    SendMessageA(App().frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(windows), 2);
    char entry[160] = {};
    GetMenuStringA(windows, GetDlgCtrlID(ranking), entry, sizeof entry, MF_BYCOMMAND);
    EXPECT_NE(std::strstr(entry, " Best10 && Worst10"), nullptr) << entry;
}

}  // namespace
}  // namespace hoshikura
