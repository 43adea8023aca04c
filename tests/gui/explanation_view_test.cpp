// The explanation window: its tab control, repaint static and rich-edit
// page, the text of every tab with its bold heading and coloured luck
// words as the control holds them, and switching tabs by clicking.
#include <gtest/gtest.h>

#include <richedit.h>
#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <string>

#include "app_state.h"
#include "child_window.h"
#include "dispatch.h"
#include "explanation_view.h"
#include "fortune_table.h"
#include "frame_window.h"
#include "gui_fixture.h"
#include "judge.h"
#include "screenshot.h"
#include "view_list.h"
#include "view_test.h"

namespace hoshikura {
namespace {

constexpr COLORREF kLuckyBlue = 0xFF0000;
constexpr COLORREF kUnluckyRed = 0x0000FF;

const char* const kLabels[kExplanationTabs] = {"人格", "地格", "外格", "総格"};

// The grid each tab explains.
int32_t GridOfTab(const CNameRecord& record, int tab) {
    const int32_t grids[kExplanationTabs] = {record.person, record.earth, record.outer,
                                             record.total};
    return grids[tab];
}

std::string HeadingLine(const CNameRecord& record, int tab) {
    const int32_t grid = GridOfTab(record, tab);
    char line[96];
    std::snprintf(line, sizeof line, " %sが [%d画]（%s） の人は", kLabels[tab], grid,
                  LuckWord(TheJudge().LuckClass(grid)));
    return line;
}

// What the page must hold for a tab: the heading template filled with the
// grid and its luck word, then the fortune text of the grid's number.
std::string ExpectedText(const CNameRecord& record, int tab) {
    const int32_t grid = GridOfTab(record, tab);
    const char* const templates[kExplanationTabs] = {
        "\n 人格が [%d画]（%s） の人は\n\n　", "\n 地格が [%d画]（%s） の人は\n\n　",
        "\n 外格が [%d画]（%s） の人は\n\n　", "\n 総格が [%d画]（%s） の人は\n\n　"};
    char heading[96];
    std::snprintf(heading, sizeof heading, templates[tab], grid, LuckWord(TheJudge().LuckClass(grid)));
    return std::string(heading) + App().fortunes->FortuneText(tab, grid);
}

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    const int n = MultiByteToWideChar(932, 0, text.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    wide.resize(n > 0 ? n - 1 : 0);
    return wide;
}

std::string Narrow(const std::wstring& wide) {
    std::string text(wide.size() * 2 + 1, '\0');
    const int n = WideCharToMultiByte(932, 0, wide.c_str(), -1, &text[0],
                                      static_cast<int>(text.size()), nullptr, nullptr);
    text.resize(n > 0 ? n - 1 : 0);
    return text;
}

std::string PageText(const CExplanationView* view) {
    char text[2048] = {};
    SendMessageA(view->page, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// How the control has marked its text: the characters in bold and the
// characters in a colour other than black, read position by position.
struct Marks {
    std::string bold;
    std::string coloured;
    COLORREF colour = 0;
    bool mixedColours = false;
    bool allTwelvePoint = true;
    std::string face;
};

Marks ReadMarks(const CExplanationView* view) {
    // Under wine the control counts UTF-16 characters: read its text that way.
    const std::wstring text = Wide(PageText(view));
    Marks marks;
    std::wstring bold, coloured;
    for (size_t p = 0; p < text.size(); ++p) {
        CHARRANGE one = {static_cast<LONG>(p), static_cast<LONG>(p + 1)};
        SendMessageA(view->page, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
        CHARFORMATA format = {};
        format.cbSize = sizeof format;
        SendMessageA(view->page, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        if (format.dwEffects & CFE_BOLD) bold += text[p];
        if (format.yHeight != 240) marks.allTwelvePoint = false;
        if (p == text.size() - 1) marks.face = format.szFaceName;
        if (format.crTextColor != 0 && !(format.dwEffects & CFE_AUTOCOLOR)) {
            if (!coloured.empty() && format.crTextColor != marks.colour) marks.mixedColours = true;
            marks.colour = format.crTextColor;
            coloured += text[p];
        }
    }
    CHARRANGE none = {0, 0};
    SendMessageA(view->page, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&none));
    // Line breaks carry no ink: only the heading's visible characters count.
    std::wstring visible;
    for (wchar_t c : bold)
        if (c != L'\n' && c != L'\r') visible += c;
    marks.bold = Narrow(visible);
    marks.coloured = Narrow(coloured);
    return marks;
}

COLORREF ColourOfClass(int32_t luckClass) {
    return luckClass > 0 ? kLuckyBlue : luckClass < 0 ? kUnluckyRed : 0;
}

class ExplanationViewTest : public test::ViewTest {
protected:
    static CExplanationView* Open(const char* surname, const char* givenName) {
        if (!OpenView(surname, givenName, kExplanationView)) return nullptr;
        CView* last = NewestView();
        return last && last->kind == kExplanationView ? static_cast<CExplanationView*>(last)
                                                      : nullptr;
    }

    // Clicks a tab as the user does; the tab control tells its parent.
    static void ClickTab(const CExplanationView* view, int tab) {
        RECT item = {};
        SendMessageA(view->tabControl, TCM_GETITEMRECT, tab, reinterpret_cast<LPARAM>(&item));
        const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        SendMessageA(view->tabControl, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(view->tabControl, WM_LBUTTONUP, 0, at);
        test::PumpMessages();
    }

    // Every tab of the name, by clicking: the right text, the heading line
    // in bold and only the number with its luck word in the luck colour.
    static void ExpectEveryTab(const char* surname, const char* givenName) {
        CExplanationView* view = Open(surname, givenName);
        ASSERT_NE(view, nullptr) << surname;
        for (int tab : {1, 2, 3, 0}) {
            ClickTab(view, tab);
            SCOPED_TRACE(std::string(surname) + " " + givenName + " tab " + kLabels[tab]);
            EXPECT_EQ(view->currentTab, tab);
            EXPECT_EQ(SendMessageA(view->tabControl, TCM_GETCURSEL, 0, 0), tab);
            EXPECT_EQ(PageText(view), ExpectedText(view->record, tab));
            const Marks marks = ReadMarks(view);
            EXPECT_EQ(marks.bold, HeadingLine(view->record, tab));
            const int32_t grid = GridOfTab(view->record, tab);
            const int32_t luck = TheJudge().LuckClass(grid);
            if (luck == 0) {
                EXPECT_EQ(marks.coloured, "") << "a neutral number stays black";
            } else {
                char span[48];
                std::snprintf(span, sizeof span, "[%d画]（%s）", grid, LuckWord(luck));
                EXPECT_EQ(marks.coloured, span);
                EXPECT_EQ(marks.colour, ColourOfClass(luck));
                EXPECT_FALSE(marks.mixedColours);
            }
            EXPECT_TRUE(marks.allTwelvePoint);
            EXPECT_EQ(marks.face, "ＭＳ Ｐゴシック");
            EXPECT_TRUE(GetWindowLongA(view->page, GWL_STYLE) & WS_VISIBLE);
        }
    }
};

TEST_F(ExplanationViewTest, WindowHoldsTabsStaticAndPage) {
    CExplanationView* view = Open("山田", "太郎");
    ASSERT_NE(view, nullptr);
    char text[64] = {};
    GetWindowTextA(view->window, text, sizeof text);
    EXPECT_STREQ(text, "[ 山田 太郎 ] さんの解説");
    RECT frame;
    GetWindowRect(view->window, &frame);
    EXPECT_EQ(frame.right - frame.left, 384);
    EXPECT_EQ(frame.bottom - frame.top, 320);

    // The tab control fills the client area and offers the four grids.
    ASSERT_TRUE(IsWindow(view->tabControl));
    EXPECT_EQ(view->controls[kTabSlot], view->tabControl);
    GetClassNameA(view->tabControl, text, sizeof text);
    EXPECT_STREQ(text, "SysTabControl32");
    EXPECT_EQ(GetParent(view->tabControl), view->window);
    RECT client, tabArea;
    GetClientRect(view->window, &client);
    GetWindowRect(view->tabControl, &tabArea);
    EXPECT_EQ(tabArea.right - tabArea.left, client.right);
    EXPECT_EQ(tabArea.bottom - tabArea.top, client.bottom);
    EXPECT_TRUE(GetWindowLongA(view->tabControl, GWL_STYLE) & WS_TABSTOP);
    ASSERT_EQ(SendMessageA(view->tabControl, TCM_GETITEMCOUNT, 0, 0), kExplanationTabs);
    for (int i = 0; i < kExplanationTabs; ++i) {
        char label[16] = {};
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = label;
        item.cchTextMax = sizeof label;
        SendMessageA(view->tabControl, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(label, kLabels[i]);
    }
    EXPECT_EQ(view->currentTab, 0);
    EXPECT_EQ(SendMessageA(view->tabControl, TCM_GETCURSEL, 0, 0), 0);

    // The page: a read-only rich-edit control inside the tab page.
    ASSERT_TRUE(IsWindow(view->page));
    GetClassNameA(view->page, text, sizeof text);
    EXPECT_STREQ(text, "RICHEDIT");
    EXPECT_EQ(GetParent(view->page), view->tabControl);
    const LONG style = GetWindowLongA(view->page, GWL_STYLE);
    const LONG wanted = WS_VSCROLL | ES_DISABLENOSCROLL | ES_READONLY | ES_MULTILINE;
    EXPECT_EQ(style & wanted, wanted);
    EXPECT_TRUE(GetWindowLongA(view->page, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    RECT adjusted = client;
    SendMessageA(view->tabControl, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&adjusted));
    RECT pageArea;
    GetWindowRect(view->page, &pageArea);
    MapWindowPoints(nullptr, view->tabControl, reinterpret_cast<POINT*>(&pageArea), 2);
    EXPECT_EQ(pageArea.left, adjusted.left + 2);
    EXPECT_EQ(pageArea.top, adjusted.top + 3);
    EXPECT_EQ(pageArea.right - pageArea.left, adjusted.right - adjusted.left - 4);
    EXPECT_EQ(pageArea.bottom - pageArea.top, adjusted.bottom - adjusted.top - 4);
    EXPECT_TRUE(GetWindowLongA(view->window, GWL_STYLE) & WS_VISIBLE);
    // Lines break left of the scroll bar, not at the window's full width.
    RECT lines;
    SendMessageA(view->page, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&lines));
    EXPECT_GT(lines.right - lines.left, (pageArea.right - pageArea.left) / 2);
    EXPECT_LE(lines.right - lines.left,
              pageArea.right - pageArea.left - GetSystemMetrics(SM_CXVSCROLL))
        << lines.left << ".." << lines.right;
}

// The page holds the first tab's text as soon as the window is open, and a
// paint leaves it as it is (the frame is hidden here: paints are sent).
TEST_F(ExplanationViewTest, OpeningShowsTheFirstTabAndPaintingKeepsIt) {
    CExplanationView* view = Open("山田", "太郎");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(PageText(view), ExpectedText(view->record, 0));
    SendMessageA(view->page, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    SendMessageA(view->window, WM_PAINT, 0, 0);
    EXPECT_EQ(PageText(view), "");
    EXPECT_TRUE(test::TakeMessages().empty()) << "no device context was taken twice";
}

// 山田 太郎: Person 9 大凶数 and Outer 12 凶数 in red, Earth 13 and Total 21
// 吉数 in blue.
TEST_F(ExplanationViewTest, EveryTabOfACommonName) { ExpectEveryTab("山田", "太郎"); }

// Person 12 凶数 (red), Earth 11 吉数 (blue), Outer and Total 12.
TEST_F(ExplanationViewTest, EveryTabOfAOneByOneName) { ExpectEveryTab("一", "悪"); }

// Outer 51 小吉数 stays black; Total 85 is above 81: class 0, black, and the
// fortune table's out-of-range text.
TEST_F(ExplanationViewTest, NumbersAboveEightyOneShowTheOutOfRangeText) {
    ExpectEveryTab("闇磯嬰", "襖臆");
    CExplanationView* view = Open("闇磯嬰襖臆", "霞嚇橿轄竃");
    ASSERT_NE(view, nullptr);
    ClickTab(view, 3);
    const std::string text = PageText(view);
    const std::string error = "エラー（out range of index）";
    ASSERT_GE(text.size(), error.size());
    EXPECT_EQ(text.substr(text.size() - error.size()), error);
    const std::string heading = "\n 総格が [170画]（小吉数） の人は\n\n　";
    EXPECT_EQ(text.substr(0, heading.size()), heading);
    ExpectEveryTab("闇磯嬰襖臆", "霞嚇橿轄竃");
}

// Earth 75 (five 15-stroke characters): the person, earth and outer texts
// of 72 to 81 are empty, so the page holds the heading alone.
TEST_F(ExplanationViewTest, NumbersFromSeventyTwoShowNoText) {
    CExplanationView* view = Open("山", "鞍慰遺噂影");
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->record.earth, 75);
    ClickTab(view, 1);
    EXPECT_EQ(PageText(view), "\n 地格が [75画]（吉数） の人は\n\n　");
    ExpectEveryTab("山", "鞍慰遺噂影");
}

TEST_F(ExplanationViewTest, SwitchingAwayAndBackShowsTheSameText) {
    CExplanationView* view = Open("佐々木", "健太郎");
    ASSERT_NE(view, nullptr);
    ClickTab(view, 2);
    const std::string outer = PageText(view);
    ClickTab(view, 0);
    EXPECT_NE(PageText(view), outer);
    ClickTab(view, 2);
    EXPECT_EQ(PageText(view), outer);
    // A repaint of the view keeps the chosen tab.
    RedrawWindow(view->window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(PageText(view), outer);
    EXPECT_EQ(view->currentTab, 2);
}

// Only a selection change of the view's own tab control switches the page.
TEST_F(ExplanationViewTest, OtherNotificationsChangeNothing) {
    CExplanationView* view = Open("山田", "太郎");
    CExplanationView* other = Open("林", "一");
    ASSERT_NE(view, nullptr);
    ASSERT_NE(other, nullptr);
    const std::string before = PageText(view);
    SendMessageA(other->tabControl, TCM_SETCURSEL, 3, 0);
    SendMessageA(view->tabControl, TCM_SETCURSEL, 3, 0);
    const struct {
        HWND from;
        UINT code;
    } notes[] = {
        {other->tabControl, static_cast<UINT>(TCN_SELCHANGE)},
        {view->tabControl, static_cast<UINT>(TCN_SELCHANGING)},
        {view->page, static_cast<UINT>(TCN_SELCHANGE)},
        {nullptr, static_cast<UINT>(TCN_SELCHANGE)},
    };
    for (const auto& note : notes) {
        NMHDR header = {note.from, 0, note.code};
        SendMessageA(view->window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
        EXPECT_EQ(view->currentTab, 0);
        EXPECT_EQ(PageText(view), before);
    }
    SendMessageA(view->window, WM_NOTIFY, 0, 0);
    SendMessageA(view->window, WM_COMMAND, 0, 0);
    EXPECT_EQ(view->currentTab, 0);
    // The view's own tab, as the control reports it: the Total grid.
    NMHDR own = {view->tabControl, 0, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(view->window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&own));
    EXPECT_EQ(view->currentTab, 3);
    EXPECT_EQ(PageText(view), ExpectedText(view->record, 3));
}

TEST_F(ExplanationViewTest, RankingViewStaysKnownWhileAnExplanationOpens) {
    SendMessageA(App().frame, WM_COMMAND, kCmdRanking, 0);
    ASSERT_EQ(test::ViewCountOfKind(kRankView), 1);
    const HWND ranking = App().viewList->rankingWindow;
    ASSERT_NE(ranking, nullptr);
    ASSERT_NE(Open("山田", "太郎"), nullptr);
    EXPECT_EQ(App().viewList->rankingWindow, ranking);
    EXPECT_EQ(App().viewList->rankingOpen, 1);
}

// ---- screenshots -------------------------------------------------------------

// The window as it is on the screen.
std::unique_ptr<test::CCanvas> Capture(HWND window) {
    RECT area;
    GetWindowRect(window, &area);
    auto canvas = std::make_unique<test::CCanvas>(area.right - area.left, area.bottom - area.top);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas->Dc(), 0, 0, canvas->Width(), canvas->Height(), screen, area.left, area.top,
           SRCCOPY);
    ReleaseDC(nullptr, screen);
    return canvas;
}

// Pixels of a strong red or blue (the rendered luck colours).
int CountInk(const test::CCanvas& canvas, bool red) {
    int count = 0;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const COLORREF c = canvas.Pixel(x, y);
            const int strong = red ? GetRValue(c) : GetBValue(c);
            const int weak = red ? GetBValue(c) : GetRValue(c);
            if (strong > 180 && weak < 80 && GetGValue(c) < 80) ++count;
        }
    }
    return count;
}

TEST_F(ExplanationViewTest, SavesEveryTabForTwoNames) {
    const test::CShownFrame shown;
    const char* const names[][3] = {{"山田", "太郎", "yamada"}, {"一", "悪", "ichi"}};
    for (const auto& name : names) {
        CExplanationView* view = Open(name[0], name[1]);
        ASSERT_NE(view, nullptr);
        for (int tab = 0; tab < kExplanationTabs; ++tab) {
            NMHDR header = {view->tabControl, 0, static_cast<UINT>(TCN_SELCHANGE)};
            SendMessageA(view->tabControl, TCM_SETCURSEL, tab, 0);
            SendMessageA(view->window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
            SetForegroundWindow(App().frame);
            test::PumpFor(300);  // nothing forced: the screen as the messages leave it
            // The tab change put the text in the page; nothing is left to repaint.
            EXPECT_EQ(PageText(view), ExpectedText(view->record, tab));
            EXPECT_FALSE(GetUpdateRect(view->window, nullptr, FALSE));
            EXPECT_FALSE(GetUpdateRect(view->page, nullptr, FALSE));
            const auto shot = Capture(view->window);
            // The heading on the screen in its luck colour (none for a neutral class).
            const int32_t luck = TheJudge().LuckClass(GridOfTab(view->record, tab));
            if (luck != 0) {
                EXPECT_GT(CountInk(*shot, luck < 0), 20) << name[2] << " tab " << tab;
            }
            char file[64];
            std::snprintf(file, sizeof file, "explanation_%s_tab%d.png", name[2], tab);
            EXPECT_TRUE(shot->SavePng(test::ArtefactPath(file)));
        }
        test::CloseAllViews();
    }
}

}  // namespace
}  // namespace hoshikura
