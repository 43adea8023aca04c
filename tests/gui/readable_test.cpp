// What a user must be able to read: every fixed text of a dialog or a
// view inside its control or window at 96 dpi, the reading search's title
// with its sex choice, the reading views' yellow heading against what
// stands behind it, tiled views apart, and the best and worst view's entry
// in the window menu.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "app_state.h"
#include "frame_window.h"
#include "gui_fixture.h"
#include "search_view.h"
#include "sex_filter.h"
#include "view_list.h"
#include "wide_text.h"

namespace hoshikura {
namespace {

class ReadableTest : public test::ViewTest {};

BOOL CALLBACK AddChild(HWND child, LPARAM children) {
    reinterpret_cast<std::vector<HWND>*>(children)->push_back(child);
    return TRUE;
}

bool OfClass(HWND window, const char* name) {
    char found[32] = {};
    GetClassNameA(window, found, sizeof found);
    return lstrcmpiA(found, name) == 0;
}

// The room the control's text takes in its own font, broken into lines
// within the control's width when it is a static text.
SIZE TextExtent(HWND control) {
    wchar_t text[256] = {};
    const int length = GetWindowTextW(control, text, 256);
    RECT room;
    GetClientRect(control, &room);
    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    const UINT wrap = OfClass(control, "Static") ? DT_WORDBREAK : DT_SINGLELINE;
    DrawTextW(dc, text, length, &room, DT_CALCRECT | DT_NOPREFIX | wrap);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return {room.right - room.left, room.bottom - room.top};
}

int LineHeight(HWND control) {
    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return metrics.tmHeight;
}

// Every text of a static or button child of `window` fits inside it.
void ExpectTextsFit(HWND window, const std::string& where) {
    std::vector<HWND> children;
    EnumChildWindows(window, AddChild, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children) {
        if (!OfClass(child, "Static") && !OfClass(child, "Button")) continue;
        RECT client;
        GetClientRect(child, &client);
        const SIZE extent = TextExtent(child);
        const std::string shown = test::TextOf(child);
        const char* text = shown.c_str();
        EXPECT_LE(extent.cx, client.right) << where << " " << text;
        EXPECT_LE(extent.cy, client.bottom) << where << " " << text;
        // A prompt keeps room for its example on a line of its own, however
        // the font and the dots per inch break it.
        if (std::strstr(text, "（例") && OfClass(child, "Static")) {
            EXPECT_GE(client.bottom, 2 * LineHeight(child)) << where << " " << text;
        }
    }
}

// The width a title's text takes in the caption font.
int CaptionTextWidth(const char* text) {
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    const std::wstring wide = Wide(text);
    SIZE extent = {};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return extent.cx;
}

INT_PTR CALLBACK InertDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// Each dialog as its template makes it, and each view's buttons.
TEST_F(ReadableTest, EveryFixedTextOfADialogOrAViewFitsItsControl) {
    for (const char* name : {"DLGBOX1", "DLGBOX2", "DLGBOX3", "DLGBOX4", "DLGBOX5", "DLGBOX6"}) {
        HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), name, App().frame, InertDialogProc, 0);
        ASSERT_NE(dialog, nullptr) << name;
        ExpectTextsFit(dialog, name);
        DestroyWindow(dialog);
    }
    for (const test::ViewRequest& request : test::kEveryViewRequest) {
        ASSERT_TRUE(test::OpenRequested(request));
        HWND view = NewestView()->window;
        ExpectTextsFit(view, "view " + std::to_string(request.kind));
        // And every text the view draws itself ends inside its window.
        RECT client;
        GetClientRect(view, &client);
        test::CCanvas canvas(client.right, client.bottom);
        const test::CDrawnText drawn;
        ASSERT_TRUE(drawn.Installed());
        SendMessageA(view, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
        for (std::size_t i = 0; i < drawn.Texts().size(); ++i)
            EXPECT_LE(drawn.RightEdges()[i], client.right) << request.kind << " " << drawn.Texts()[i];
        test::CloseAllViews();
    }
}

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

// With the longest names the dialog takes, the reading search's title
// still shows the sex choice left of the icon and the caption buttons.
TEST_F(ReadableTest, ReadingSearchTitleKeepsItsChoiceWithTheLongestNames) {
    App().sexChoice = kBoysOnly;
    CView* view = Open({kReadingSearchView, "一二三四五", "あいうえお"});
    App().sexChoice = kBothSexes;
    ASSERT_NE(view, nullptr);
    const char* marker = std::strstr(view->title, "（男の子）");
    ASSERT_NE(marker, nullptr) << view->title;
    const std::string shown(view->title, static_cast<std::size_t>(marker - view->title) + std::strlen("（男の子）"));
    const int room = view->width - 2 * GetSystemMetrics(SM_CXFRAME) - GetSystemMetrics(SM_CXSMICON) -
                     3 * GetSystemMetrics(SM_CXSIZE) - 8;
    EXPECT_LE(CaptionTextWidth(shown.c_str()), room) << view->title;
}

// Tiling keeps each view's size and places two judgements apart, side by
// side or one below the other.
TEST_F(ReadableTest, TilingPlacesViewsAtTheirSizesWithoutOverlap) {
    const test::CShownFrame shown;
    // One name twice: the recent list stays as other tests expect it.
    CView* first = Open({kJudgementView, "山田", "太郎"});
    CView* second = Open({kJudgementView, "山田", "太郎"});
    ASSERT_TRUE(first && second);
    for (int command : {kCmdTileVertical, kCmdTileHorizontal}) {
        SendMessageA(App().frame, WM_COMMAND, command, 0);
        RECT a, b, both;
        GetWindowRect(first->window, &a);
        GetWindowRect(second->window, &b);
        EXPECT_FALSE(IntersectRect(&both, &a, &b)) << command;
        EXPECT_EQ(a.right - a.left, first->width);
        EXPECT_EQ(b.bottom - b.top, second->height);
    }
}

// "Best10 & Worst10" keeps its "&" in the window menu.
TEST_F(ReadableTest, WindowMenuListsTheBestAndWorstViewByItsTitle) {
    SendMessageA(App().frame, WM_COMMAND, kCmdRanking, 0);
    HWND ranking = App().viewList->rankingWindow;
    ASSERT_NE(ranking, nullptr);
    HMENU windows = GetSubMenu(GetMenu(App().frame), 2);
    SendMessageA(App().frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(windows), 2);
    const std::string entry = test::MenuText(windows, static_cast<UINT>(GetDlgCtrlID(ranking)), MF_BYCOMMAND);
    EXPECT_NE(entry.find(" Best10 && Worst10"), std::string::npos) << entry;
}

}  // namespace
}  // namespace hoshikura
