// The four search result windows opened through dispatch as their dialogs
// request them: titles, list rows against the core's rankings, headings,
// pattern choice and the double-clicks that open a judgement.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app_state.h"
#include "child_window.h"
#include "compose_search_view.h"
#include "dialog_text.h"
#include "dispatch.h"
#include "frame_window.h"
#include "gdi_counter.h"
#include "gui_fixture.h"
#include "name_search_views.h"
#include "sample_name.h"
#include "screenshot.h"
#include "sex_filter.h"
#include "sjis_text.h"
#include "stroke_search_view.h"
#include "view_list.h"
#include "view_test.h"

namespace hoshikura {
namespace {

std::string RowText(HWND list, int row) {
    char text[256] = {};
    LRESULT length = SendMessageA(list, LB_GETTEXTLEN, row, 0);
    if (length < 0 || length >= static_cast<LRESULT>(sizeof text)) return "<bad row>";
    SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
    return text;
}

int RowCount(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); }

std::string WindowTitle(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// What a user's click does: select the row (-1 clears the selection), then
// the list tells its parent.
void Notify(CView* view, HWND list, int row, WORD code) {
    SendMessageA(list, LB_SETCURSEL, row, 0);
    SendMessageA(view->window, WM_COMMAND, MAKEWPARAM(0, code), reinterpret_cast<LPARAM>(list));
}

// A double-click at a point of the list's client area, with the cursor
// there, handled by the list itself.
void DoubleClickAt(HWND list, POINT at) {
    POINT onScreen = at;
    ClientToScreen(list, &onScreen);
    SetCursorPos(onScreen.x, onScreen.y);
    const LPARAM where = MAKELPARAM(at.x, at.y);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        PostMessageA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, where);
    test::PumpMessages();
}

// The list's client area and the area of its last row, that row in sight.
void LastRowAndClient(HWND list, RECT& row, RECT& client) {
    const int last = RowCount(list) - 1;
    SendMessageA(list, LB_SETTOPINDEX, last, 0);
    SendMessageA(list, LB_GETITEMRECT, last, reinterpret_cast<LPARAM>(&row));
    GetClientRect(list, &client);
}

bool HasRoomBelowTheRows(HWND list) {
    RECT row, client;
    LastRowAndClient(list, row, client);
    return row.bottom + 4 < client.bottom;
}

void DoubleClickBelowTheRows(HWND list) {
    RECT row, client;
    LastRowAndClient(list, row, client);
    DoubleClickAt(list, {client.right / 2, (row.bottom + client.bottom) / 2});
}

// A double-click in the middle of a row, scrolled into sight first.
void DoubleClickRow(HWND list, int row) {
    SendMessageA(list, LB_SETTOPINDEX, row, 0);
    RECT area;
    SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&area));
    DoubleClickAt(list, {(area.left + area.right) / 2, (area.top + area.bottom) / 2});
}

// The rank of each row counted afresh: a row that scores like the row
// before it shares that row's rank.
template <typename Row>
int RankOf(const Row (&rows)[kRankingRows], int row) {
    int rank = 1;
    for (int i = 1; i <= row; ++i)
        if (rows[i].score != rows[i - 1].score) rank = i + 1;
    return rank;
}

std::string RankedRow(int rank, int score, const char* text) {
    char row[256];
    std::snprintf(row, sizeof row, "%3d位 (%d点)    %s", rank, score, text);
    return row;
}

// Pixels in the box whose colour lies close to `colour` (anti-aliased text
// blends its edges with the background).
int PixelsNear(const test::CCanvas& canvas, RECT box, COLORREF colour) {
    int found = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
            COLORREF p = canvas.Pixel(x, y);
            if (std::abs(GetRValue(p) - GetRValue(colour)) < 48 &&
                std::abs(GetGValue(p) - GetGValue(colour)) < 48 &&
                std::abs(GetBValue(p) - GetBValue(colour)) < 48)
                ++found;
        }
    return found;
}

// The core's ranking of a name search with a sex choice.
template <typename Search>
Search CoreSearch(int32_t sexChoice, const char* surname, const char* wanted) {
    Search search;
    search.SetQuery(surname, wanted);
    search.sexChoice = sexChoice;
    search.RunSearch(*App().samples);
    return search;
}

class SearchViewTest : public test::ViewTest {
protected:
    void TearDown() override {
        ViewTest::TearDown();
        EXPECT_TRUE(test::TakeMessages().empty());
    }

    // Opens a search as its dialog would and returns the new view.
    template <typename View>
    static View* Open(const SearchWords& words, int kind) {
        const int before = test::ViewCount();
        EXPECT_EQ(OpenView(words.first, words.second, kind), 1);
        EXPECT_EQ(test::ViewCount(), before + 1);
        CView* view = NewestView();
        if (!view || view->kind != kind) return nullptr;
        return static_cast<View*>(view);
    }
    static CReadingSearchView* OpenReading(const char* typed) {
        SearchWords words;
        EXPECT_TRUE(ReadingSearchWords(typed, words)) << typed;
        return Open<CReadingSearchView>(words, kReadingSearchView);
    }
    static CKanjiSearchView* OpenKanji(const char* typed) {
        SearchWords words;
        EXPECT_TRUE(KanjiSearchWords(typed, words)) << typed;
        return Open<CKanjiSearchView>(words, kKanjiSearchView);
    }
    static CSurnameSearchView* OpenSurnames(const char* typed, bool good) {
        SearchWords words;
        EXPECT_TRUE(GivenNameSearchWords(typed, good, words)) << typed;
        return Open<CSurnameSearchView>(words, kSurnameSearchView);
    }
    static CComposeSearchView* OpenCompose(const char* typed) {
        SearchWords words;
        EXPECT_TRUE(ReadingSearchWords(typed, words)) << typed;
        return Open<CComposeSearchView>(words, kComposeSearchView);
    }
    static CStrokeSearchView* OpenPatterns(const char* typed, bool good) {
        SearchWords words;
        EXPECT_TRUE(SurnameSearchWords(typed, good, words)) << typed;
        return Open<CStrokeSearchView>(words, kStrokeSearchView);
    }

    // The judgement a double-click opened: exactly one more, for this name.
    static void ExpectJudgementOpened(int judgementsBefore, const char* surname,
                                      const char* givenName) {
        ASSERT_EQ(test::ViewCountOfKind(kJudgementView), judgementsBefore + 1);
        CView* judged = NewestView();
        ASSERT_EQ(judged->kind, kJudgementView);
        EXPECT_STREQ(judged->Surname(), surname);
        EXPECT_STREQ(judged->GivenName(), givenName);
    }

    // Double-clicks that must open nothing: below the last row (where the
    // list leaves room for it), a row past the ranking, and a double-click
    // that another window claims to send. True when below was tried.
    static bool ExpectStrayDoubleClicksIgnored(CView* view, HWND list, int rowsOfRanking) {
        const int views = test::ViewCount();
        const bool room = HasRoomBelowTheRows(list);
        if (room) {
            SendMessageA(list, LB_SETCURSEL, 0, 0);
            DoubleClickBelowTheRows(list);
            EXPECT_EQ(test::ViewCount(), views) << "below the last row, row 1 selected";
        }
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("余分な行"));
        DoubleClickRow(list, rowsOfRanking);
        EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), rowsOfRanking);
        EXPECT_EQ(test::ViewCount(), views) << "a row past the ranking";
        SendMessageA(list, LB_SETCURSEL, 0, 0);
        SendMessageA(view->window, WM_COMMAND, MAKEWPARAM(0, LBN_DBLCLK),
                     reinterpret_cast<LPARAM>(App().client));
        EXPECT_EQ(test::ViewCount(), views) << "not from the result list";
        SendMessageA(list, LB_DELETESTRING, rowsOfRanking, 0);
        return room;
    }

    static void ExpectListPlaced(CView* view, HWND list, int x, int width) {
        RECT area;
        GetWindowRect(list, &area);
        POINT corner = {area.left, area.top};
        ScreenToClient(view->window, &corner);
        EXPECT_EQ(corner.x, x);
        EXPECT_EQ(corner.y, 56);
        EXPECT_EQ(area.right - area.left, width);
        // The list keeps to whole rows, so it may end a little short.
        const int room = view->height - GetSystemMetrics(SM_CYCAPTION) - 64;
        EXPECT_LE(area.bottom - area.top, room);
        EXPECT_GT(area.bottom - area.top, room - 20);
        EXPECT_EQ(GetDlgCtrlID(list), 0);
        EXPECT_TRUE(GetWindowLongA(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
        EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & LBS_NOTIFY);
    }

    // Paints the view off-screen and counts the heading's pixels of colour.
    static int HeadingPixels(CView* view, RECT box, COLORREF colour) {
        test::CCanvas canvas(view->width, view->height);
        PaintView(view, canvas.Dc());
        return PixelsNear(canvas, box, colour);
    }
};

TEST_F(SearchViewTest, ReadingListShowsTheCoreRankingAndJudgesADoubleClickedName) {
    CReadingSearchView* view = OpenReading("山田 ひろし");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(WindowTitle(view->window), "[山田] + [ひろし]さんの検索結果");
    CReadingSearch core;
    core.SetQuery("山田", "ひろし");
    core.RunSearch(*App().samples);
    ASSERT_GT(core.resultCount, 6);
    HWND list = view->controls[CRankedSearchView::kResultList];
    ExpectListPlaced(view, list, 48, 216);
    ASSERT_EQ(RowCount(list), core.resultCount);
    for (int i = 0; i < core.resultCount; ++i)
        EXPECT_EQ(RowText(list, i),
                  RankedRow(RankOf(core.results, i), core.results[i].score, core.results[i].written))
            << i;

    const int judgements = test::ViewCountOfKind(kJudgementView);
    DoubleClickRow(list, 5);
    ExpectJudgementOpened(judgements, "山田", core.results[5].written);
    Notify(view, list, 6, LBN_SELCHANGE);
    EXPECT_EQ(test::ViewCountOfKind(kJudgementView), judgements + 1) << "a click only selects";
    ExpectStrayDoubleClicksIgnored(view, list, core.resultCount);
}

TEST_F(SearchViewTest, ComposeListShowsEverySpellingWithItsSplitAndJudgesADoubleClickedOne) {
    CComposeSearchView* view = OpenCompose("佐藤　ハルト");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(WindowTitle(view->window), "[佐藤] + [ハルト]さんの組み立て結果");
    CComposeSearch core;
    core.SetQuery("佐藤", "はると");
    core.RunSearch(*App().samples);
    ASSERT_GT(core.resultCount, 6);
    HWND list = view->controls[CRankedSearchView::kResultList];
    ExpectListPlaced(view, list, 24, 336);
    ASSERT_EQ(RowCount(list), core.resultCount);
    for (int i = 0; i < core.resultCount; ++i) {
        const ComposeResult& row = core.results[i];
        const std::string text = RowText(list, i);
        const std::string split = std::string(" (") + core.PieceReading(i, 0);
        EXPECT_EQ(text.rfind(RankedRow(RankOf(core.results, i), row.score, row.written) + split, 0), 0u)
            << text;
    }
    const int judgements = test::ViewCountOfKind(kJudgementView);
    Notify(view, list, 5, LBN_DBLCLK);
    ExpectJudgementOpened(judgements, "佐藤", core.results[5].written);
    ExpectStrayDoubleClicksIgnored(view, list, core.resultCount);
    EXPECT_GT(HeadingPixels(view, {200, 32, 330, 52}, 0x00FFFF), 40);

    CComposeSearchView* none = OpenCompose("佐藤 浩");
    ASSERT_NE(none, nullptr);
    HWND noneList = none->controls[CRankedSearchView::kResultList];
    ASSERT_EQ(RowCount(noneList), 1);
    EXPECT_EQ(RowText(noneList, 0), kNoResultRow);
}

TEST_F(SearchViewTest, ReadingWithoutSamplesShowsNoneAndItsDoubleClickOpensNothing) {
    for (const char* typed : {"山田 ぴぴぷ", "山田 ピピプ"}) {
        CReadingSearchView* view = OpenReading(typed);
        ASSERT_NE(view, nullptr);
        HWND list = view->controls[CRankedSearchView::kResultList];
        ASSERT_EQ(RowCount(list), 1) << typed;
        EXPECT_EQ(RowText(list, 0), "該当なし");
        const int views = test::ViewCount();
        DoubleClickRow(list, 0);
        EXPECT_EQ(test::ViewCount(), views) << typed;
    }
}

TEST_F(SearchViewTest, LongReadingIsCutToItsFieldAndTheTitleStaysWithinBounds) {
    std::string reading;
    for (int i = 0; i < 49; ++i) reading += "あ";
    std::string longer = reading + reading + reading;
    for (const std::string& wanted : {reading, longer}) {
        std::string typed = "五文字苗字 " + wanted;
        CReadingSearchView* view = OpenReading(typed.c_str());
        ASSERT_NE(view, nullptr);
        const size_t kept = std::strlen(view->search.reading);
        EXPECT_LE(kept, 99u);
        EXPECT_EQ(CharBoundaryPrefix(view->search.reading, kept), kept);
        EXPECT_EQ(std::string(view->search.reading), wanted.substr(0, kept));
        const size_t titled = std::strlen(view->title);
        EXPECT_LE(titled, 127u);
        EXPECT_EQ(CharBoundaryPrefix(view->title, titled), titled);
        EXPECT_EQ(std::string(view->title).rfind("[五文字苗字] + [ああ", 0), 0u);
        EXPECT_EQ(WindowTitle(view->window), view->title);
        EXPECT_EQ(RowText(view->controls[0], 0), "該当なし");
        EXPECT_GT(HeadingPixels(view, {2, 8, view->width - 8, 28}, 0x00FFFF), 20);
    }
}

TEST_F(SearchViewTest, KanjiListShowsReadingsAndJudgesADoubleClickedName) {
    CKanjiSearchView* view = OpenKanji("山田 翔");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(WindowTitle(view->window), "[翔] を使用した [山田]さんの良名検索結果");
    CKanjiSearch core;
    core.SetQuery("山田", "翔");
    core.RunSearch(*App().samples);
    ASSERT_GT(core.resultCount, 1);
    HWND list = view->controls[CRankedSearchView::kResultList];
    ExpectListPlaced(view, list, 24, 336);
    ASSERT_EQ(RowCount(list), core.resultCount);
    for (int i = 0; i < core.resultCount; ++i) {
        const NameResult& row = core.results[i];
        std::string withReading = std::string(row.written) + " (" + row.reading + ")";
        EXPECT_EQ(RowText(list, i), RankedRow(RankOf(core.results, i), row.score, withReading.c_str()))
            << i;
    }
    const int last = core.resultCount - 1;
    const int judgements = test::ViewCountOfKind(kJudgementView);
    DoubleClickRow(list, last);
    ExpectJudgementOpened(judgements, "山田", core.results[last].written);
    ExpectStrayDoubleClicksIgnored(view, list, core.resultCount);
}

TEST_F(SearchViewTest, KanjiThatNoSampleHoldsShowsNone) {
    CKanjiSearch core;
    core.SetQuery("山田", "髑");
    core.RunSearch(*App().samples);
    ASSERT_EQ(core.resultCount, 0);
    CKanjiSearchView* view = OpenKanji("山田 髑");
    ASSERT_NE(view, nullptr);
    HWND list = view->controls[0];
    ASSERT_EQ(RowCount(list), 1);
    EXPECT_EQ(RowText(list, 0), "該当なし");
    const int views = test::ViewCount();
    DoubleClickRow(list, 0);
    EXPECT_EQ(test::ViewCount(), views);
}

TEST_F(SearchViewTest, SurnameListsRankBestOrWorstFirstAndJudgeTheChosenSurname) {
    for (bool good : {true, false}) {
        CSurnameSearchView* view = OpenSurnames("太郎", good);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->search.wantGood, good ? 1 : 0);
        EXPECT_EQ(WindowTitle(view->window),
                  good ? "[太郎]さん　良い姓の検索結果" : "[太郎]さん　悪い姓の検索結果");
        CSurnameSearch core;
        core.SetQuery(good, "太郎");
        core.RunSearch(*App().samples);
        ASSERT_EQ(core.resultCount, kRankingRows);
        HWND list = view->controls[CRankedSearchView::kResultList];
        ExpectListPlaced(view, list, 16, 256);
        ASSERT_EQ(RowCount(list), kRankingRows);
        for (int i = 0; i < kRankingRows; ++i)
            EXPECT_EQ(RowText(list, i), RankedRow(RankOf(core.results, i), core.results[i].score,
                                                  core.results[i].surname))
                << i;
        EXPECT_EQ(good, core.results[0].score >= core.results[kRankingRows - 1].score);

        const int judgements = test::ViewCountOfKind(kJudgementView);
        DoubleClickRow(list, kRankingRows - 1);
        ExpectJudgementOpened(judgements, core.results[kRankingRows - 1].surname, "太郎");
        ExpectStrayDoubleClicksIgnored(view, list, kRankingRows);
        EXPECT_GT(HeadingPixels(view, {2, 8, 280, 52}, good ? 0xFF0000 : 0x0000FF), 40);
    }
}

TEST_F(SearchViewTest, HeadingsAreDrawnInTheirKindsColours) {
    CKanjiSearchView* kanji = OpenKanji("山田 翔");
    ASSERT_NE(kanji, nullptr);
    // Both heading lines: the first from x 2, the second from x 260.
    EXPECT_GT(HeadingPixels(kanji, {2, 8, 200, 28}, 0x00C000), 40);
    EXPECT_GT(HeadingPixels(kanji, {260, 32, 390, 52}, 0x00C000), 40);
    EXPECT_EQ(HeadingPixels(kanji, {0, 56, kanji->width, kanji->height}, 0x00C000), 0)
        << "nothing green below the heading";
    CReadingSearchView* reading = OpenReading("山田 ひろし");
    ASSERT_NE(reading, nullptr);
    EXPECT_GT(HeadingPixels(reading, {200, 32, 300, 52}, 0x00FFFF), 40);
}

TEST_F(SearchViewTest, PaintingLeavesNoDrawingObjectBehind) {
    CView* views[] = {OpenPatterns("鈴木", true), OpenReading("山田 ひろし"),
                      OpenKanji("山田 翔"), OpenSurnames("花子", false),
                      OpenCompose("佐藤 はると")};
    test::CGdiCounter counter;
    ASSERT_TRUE(counter.Installed());
    for (CView* view : views) {
        ASSERT_NE(view, nullptr);
        test::CCanvas canvas(view->width, view->height);
        PaintView(view, canvas.Dc());
    }
    EXPECT_GT(counter.Created(), 0);
    EXPECT_EQ(counter.Alive(), 0);
}

TEST_F(SearchViewTest, PatternListShowsTheCoreRankingAndLabelsTheEmptySampleList) {
    for (bool good : {true, false}) {
        CStrokeSearchView* view = OpenPatterns("鈴木", good);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->search.wantGood, good ? 1 : 0);
        EXPECT_EQ(WindowTitle(view->window),
                  good ? "[鈴木]さんの良名検索結果" : "[鈴木]さんの悪名検索結果");
        CStrokePatternSearch core;
        core.SetQuery("鈴木", good);
        core.RunSearch();
        HWND patterns = view->controls[CStrokeSearchView::kPatternList];
        HWND samples = view->controls[CStrokeSearchView::kSampleList];
        ExpectListPlaced(view, patterns, 16, 176);
        ExpectListPlaced(view, samples, 216, 240);
        ASSERT_EQ(RowCount(patterns), kRankingRows);
        for (int i = 0; i < kRankingRows; ++i) {
            const StrokeResult& row = core.results[i];
            char expected[64];
            if (row.characterCount == 1)
                std::snprintf(expected, sizeof expected, "%d点     %2d画", row.score, row.strokes[0]);
            else
                std::snprintf(expected, sizeof expected, "%d点 %2d画 - %2d画", row.score,
                              row.strokes[0], row.strokes[1]);
            EXPECT_EQ(RowText(patterns, i), expected) << i;
        }
        EXPECT_EQ(RowCount(samples), 0);
        char label[128];
        view->FormatSampleLabel(label, sizeof label);
        EXPECT_STREQ(label, "画数を選択すると名前を表示します");
        EXPECT_GT(HeadingPixels(view, {64, 8, 440, 28}, good ? 0xFF0000 : 0x0000FF), 40);
        EXPECT_GT(HeadingPixels(view, {212, 36, 460, 52}, 0x000000), 20) << "the label";
    }
}

TEST_F(SearchViewTest, ChoosingAPatternListsItsSampleNamesAndADoubleClickJudgesOne) {
    CStrokeSearchView* view = OpenPatterns("鈴木", true);
    ASSERT_NE(view, nullptr);
    HWND patterns = view->controls[CStrokeSearchView::kPatternList];
    HWND samples = view->controls[CStrokeSearchView::kSampleList];
    const CSampleName& store = *App().samples;
    char label[128];
    bool choseTwo = false, choseOne = false, triedBelow = false;
    for (int row = 0; row < view->search.resultCount && !(choseTwo && choseOne); ++row) {
        const StrokeResult& pattern = view->search.results[row];
        const int32_t rest = pattern.characterCount == 2 ? pattern.strokes[1] : 0;
        const int32_t count = store.GetSampleCount(pattern.strokes[0], rest);
        if (count == 0 || (rest ? choseTwo : choseOne)) continue;
        Notify(view, patterns, row, LBN_SELCHANGE);
        EXPECT_EQ(view->selectedFirst, pattern.strokes[0]) << row;
        EXPECT_EQ(view->selectedRest, rest) << row;
        ASSERT_EQ(RowCount(samples), count) << row;
        for (int32_t k = 0; k < count; ++k) {
            char written[16] = {}, reading[32] = {};
            store.GetSampleKj(pattern.strokes[0], rest, k, written);
            store.GetSampleYomi(pattern.strokes[0], rest, k, reading);
            EXPECT_EQ(RowText(samples, k), " " + std::string(written) + "  (" + reading + ")");
        }
        view->FormatSampleLabel(label, sizeof label);
        char expected[128];
        if (rest)
            std::snprintf(expected, sizeof expected, "%d画-%d画(ﾀﾞﾌﾞﾙｸﾘｯｸで姓名判断)",
                          pattern.strokes[0], rest);
        else
            std::snprintf(expected, sizeof expected, "%d画 の名前(ﾀﾞﾌﾞﾙｸﾘｯｸで姓名判断)",
                          pattern.strokes[0]);
        EXPECT_STREQ(label, expected);

        const int judgements = test::ViewCountOfKind(kJudgementView);
        char written[16] = {};
        store.GetSampleKj(pattern.strokes[0], rest, count - 1, written);
        DoubleClickRow(samples, count - 1);
        ExpectJudgementOpened(judgements, "鈴木", written);
        triedBelow |= ExpectStrayDoubleClicksIgnored(view, samples, count);
        (rest ? choseTwo : choseOne) = true;
    }
    EXPECT_TRUE(choseTwo && choseOne) << "the ranking holds patterns of one and two characters";
    EXPECT_TRUE(triedBelow) << "a short sample list leaves room below its rows";

    // Clearing the selection keeps the chosen pattern and its names.
    const int32_t first = view->selectedFirst, rest = view->selectedRest;
    const int shown = RowCount(samples);
    Notify(view, patterns, -1, LBN_SELCHANGE);
    EXPECT_EQ(view->selectedFirst, first);
    EXPECT_EQ(view->selectedRest, rest);
    EXPECT_EQ(RowCount(samples), shown);
}

TEST_F(SearchViewTest, PatternWithoutSampleNamesShowsNoneAndNoHint) {
    CStrokeSearchView* view = OpenPatterns("鈴木", false);
    ASSERT_NE(view, nullptr);
    HWND patterns = view->controls[CStrokeSearchView::kPatternList];
    HWND samples = view->controls[CStrokeSearchView::kSampleList];
    int empty = -1;
    for (int row = 0; row < view->search.resultCount && empty < 0; ++row) {
        int32_t first = 0, rest = 0;
        view->search.SampleKey(row, first, rest);
        if (App().samples->GetSampleCount(first, rest) == 0) empty = row;
    }
    ASSERT_GE(empty, 0) << "the bad ranking of 鈴木 holds patterns beyond the name table";
    Notify(view, patterns, empty, LBN_SELCHANGE);
    ASSERT_EQ(RowCount(samples), 1);
    EXPECT_EQ(RowText(samples, 0), "該当なし");
    char label[128];
    view->FormatSampleLabel(label, sizeof label);
    EXPECT_EQ(std::strstr(label, "ﾀﾞﾌﾞﾙｸﾘｯｸ"), nullptr) << label;
    const int views = test::ViewCount();
    DoubleClickRow(samples, 0);
    EXPECT_EQ(test::ViewCount(), views);

    // A one-character pattern of 25 strokes lies beyond the table too.
    view->ShowSampleNames(25, 0);
    EXPECT_EQ(RowText(samples, 0), "該当なし");
    EXPECT_TRUE(test::TakeMessages().empty()) << "no out-of-range message";
}

TEST_F(SearchViewTest, SampleRowOfAKeyJudgesThatNameWithTheSurname) {
    CStrokeSearchView* view = OpenPatterns("鈴木", true);
    ASSERT_NE(view, nullptr);
    // The pattern (3, 7) is in neither ranking of 鈴木; its key's names are
    // shown as a choice of it would show them.
    view->selectedFirst = 3;
    view->selectedRest = 7;
    view->ShowSampleNames(3, 7);
    HWND samples = view->controls[CStrokeSearchView::kSampleList];
    int row = -1;
    for (int i = 0; i < RowCount(samples); ++i)
        if (RowText(samples, i) == " 千里  (せんり)") row = i;
    ASSERT_GE(row, 0);
    const int judgements = test::ViewCountOfKind(kJudgementView);
    DoubleClickRow(samples, row);
    ExpectJudgementOpened(judgements, "鈴木", "千里");
}

TEST_F(SearchViewTest, TheMenusSexChoiceFiltersAndTitlesTheNameSearchesMadeWithIt) {
    struct BothAgain {
        ~BothAgain() { test::ChooseSex(kCmdSexBoth); }
    } bothAgain;
    const CSampleName& store = *App().samples;

    // Boys, and a reading typed in katakana: found as hiragana, titled as typed.
    test::ChooseSex(kCmdSexBoys);
    CReadingSearchView* reading = OpenReading("山田 ヒロミ");
    ASSERT_NE(reading, nullptr);
    EXPECT_EQ(WindowTitle(reading->window), "[山田] + [ヒロミ]さんの検索結果（男の子）");
    const auto boys = CoreSearch<CReadingSearch>(kBoysOnly, "山田", "ひろみ");
    ASSERT_GT(boys.resultCount, 0);
    HWND readingList = reading->controls[CRankedSearchView::kResultList];
    ASSERT_EQ(RowCount(readingList), boys.resultCount);
    for (int i = 0; i < boys.resultCount; ++i)
        EXPECT_EQ(RowText(readingList, i),
                  RankedRow(RankOf(boys.results, i), boys.results[i].score, boys.results[i].written));

    test::ChooseSex(kCmdSexGirls);
    CKanjiSearchView* kanji = OpenKanji("山田 翔");
    ASSERT_NE(kanji, nullptr);
    EXPECT_EQ(WindowTitle(kanji->window), "[翔] を使用した [山田]さんの良名検索結果（女の子）");
    const auto girls = CoreSearch<CKanjiSearch>(kGirlsOnly, "山田", "翔");
    EXPECT_EQ(RowCount(kanji->controls[0]), girls.resultCount > 0 ? girls.resultCount : 1);
    EXPECT_EQ(WindowTitle(reading->window), "[山田] + [ヒロミ]さんの検索結果（男の子）")
        << "a view keeps the choice it was made with";

    // A key with names of both sexes lists the girls' and those for either;
    // a double-click judges the name of its row.
    CStrokeSearchView* patterns = OpenPatterns("鈴木", true);
    ASSERT_NE(patterns, nullptr);
    EXPECT_EQ(WindowTitle(patterns->window), "[鈴木]さんの良名検索結果（女の子）");
    std::vector<std::string> listed;
    for (int32_t rest = 1; rest < kRestStrokeKeys && listed.empty(); ++rest) {
        std::vector<std::string> notBoys;
        bool boysToo = false;
        for (int32_t k = 0; k < store.GetSampleCount(5, rest); ++k) {
            char written[16] = {}, reading[32] = {};
            store.GetSampleKj(5, rest, k, written);
            store.GetSampleYomi(5, rest, k, reading);
            if (store.GetSampleSex(5, rest, k) == 'b')
                boysToo = true;
            else
                notBoys.push_back(" " + std::string(written) + "  (" + reading + ")");
        }
        if (!boysToo || notBoys.empty()) continue;
        patterns->selectedFirst = 5;
        patterns->selectedRest = rest;
        patterns->ShowSampleNames(5, rest);
        listed = notBoys;
    }
    ASSERT_FALSE(listed.empty()) << "a key of 5 strokes first holds names of both sexes";
    HWND samples = patterns->controls[CStrokeSearchView::kSampleList];
    ASSERT_EQ(RowCount(samples), static_cast<int>(listed.size()));
    for (size_t row = 0; row < listed.size(); ++row)
        EXPECT_EQ(RowText(samples, static_cast<int>(row)), listed[row]);
    const int last = static_cast<int>(listed.size()) - 1;
    const std::string lastName = listed[last].substr(1, listed[last].find("  ") - 1);
    const int judgements = test::ViewCountOfKind(kJudgementView);
    Notify(patterns, samples, last, LBN_DBLCLK);
    ExpectJudgementOpened(judgements, "鈴木", lastName.c_str());
    ExpectStrayDoubleClicksIgnored(patterns, samples, last + 1);

    test::ChooseSex(kCmdSexBoth);
    CReadingSearchView* both = OpenReading("山田 ひろみ");
    ASSERT_NE(both, nullptr);
    EXPECT_EQ(WindowTitle(both->window), "[山田] + [ひろみ]さんの検索結果");
    EXPECT_GT(both->search.resultCount, boys.resultCount);
}

TEST_F(SearchViewTest, TwoViewsOfAKindKeepTheirOwnRowsAndCascade) {
    CReadingSearchView* first = OpenReading("山田 ひろし");
    CReadingSearchView* second = OpenReading("林 たくみ");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(RowText(first->controls[0], 0), RankedRow(1, first->search.results[0].score,
                                                        first->search.results[0].written));
    EXPECT_EQ(RowText(second->controls[0], 0), RankedRow(1, second->search.results[0].score,
                                                         second->search.results[0].written));
    EXPECT_EQ(RowCount(first->controls[0]), first->search.resultCount);
    EXPECT_EQ(RowCount(second->controls[0]), second->search.resultCount);
    EXPECT_NE(first->search.resultCount, second->search.resultCount);
    RECT a, b;
    GetWindowRect(first->window, &a);
    GetWindowRect(second->window, &b);
    EXPECT_EQ(b.left - a.left, 16);
    EXPECT_EQ(b.top - a.top, 16);
}

TEST_F(SearchViewTest, SavesEachResultWindow) {
    const test::CShownFrame shown;
    const struct {
        const char* first;
        const char* second;
        int kind;
        const char* file;
    } shots[] = {
        {"鈴木", kGoodFlag, kStrokeSearchView, "stroke_search_view.png"},
        {"山田", "ひろし", kReadingSearchView, "reading_search_view.png"},
        {"山田", "翔", kKanjiSearchView, "kanji_search_view.png"},
        {kBadFlag, "花子", kSurnameSearchView, "surname_search_view.png"},
        {"佐藤", "はると", kComposeSearchView, "compose_search_view.png"},
        {"山田", "ひろし", kComposeSearchView, "compose_search_view_known.png"},
    };
    for (const auto& shot : shots) {
        ASSERT_EQ(OpenView(shot.first, shot.second, shot.kind), 1);
        CView* view = NewestView();
        if (shot.kind == kStrokeSearchView) {
            // Show some sample names as a choice of the fourth pattern does.
            HWND patterns = view->controls[CStrokeSearchView::kPatternList];
            Notify(view, patterns, 3, LBN_SELCHANGE);
        }
        EXPECT_TRUE(shown.Snap(view->window, shot.file)) << shot.file;
        test::CloseAllViews();
    }
}

}  // namespace
}  // namespace hoshikura
