// The four search result windows opened through dispatch as their dialogs
// request them: list rows against the core's rankings, pattern choice, the
// menu's sex choice and the double-clicks that open a judgement.
#include <gtest/gtest.h>
#include <algorithm>

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

};

TEST_F(SearchViewTest, ReadingListShowsTheCoreRankingAndJudgesADoubleClickedName) {
    CReadingSearchView* view = OpenReading("山田 ひろし");
    ASSERT_NE(view, nullptr);
    CReadingSearch core;
    core.SetQuery("山田", "ひろし");
    core.RunSearch(*App().samples);
    ASSERT_GT(core.resultCount, 6);
    HWND list = view->controls[CRankedSearchView::kResultList];
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
    CComposeSearch core;
    core.SetQuery("佐藤", "はると");
    core.RunSearch(*App().samples);
    ASSERT_GT(core.resultCount, 6);
    HWND list = view->controls[CRankedSearchView::kResultList];
    ASSERT_EQ(RowCount(list), core.resultCount);
    for (int i = 0; i < core.resultCount; ++i) {
        const ComposeResult& row = core.results[i];
        const std::string text = RowText(list, i);
        const std::string split = std::string(" (") + core.PieceReading(i, 0);
        EXPECT_EQ(text.rfind(RankedRow(RankOf(core.results, i), row.score, row.written) + split, 0), 0u)
            << text;
    }
    const int judgements = test::ViewCountOfKind(kJudgementView);
    DoubleClickRow(list, 5);
    ExpectJudgementOpened(judgements, "佐藤", core.results[5].written);
    ExpectStrayDoubleClicksIgnored(view, list, core.resultCount);

    CComposeSearchView* none = OpenCompose("佐藤 浩");
    ASSERT_NE(none, nullptr);
    HWND noneList = none->controls[CRankedSearchView::kResultList];
    ASSERT_EQ(RowCount(noneList), 1);
    EXPECT_EQ(RowText(noneList, 0), kNoResultRow);
}

TEST_F(SearchViewTest, ChoosingAPatternListsItsSampleNamesAndADoubleClickJudgesOne) {
    CStrokeSearchView* view = OpenPatterns("鈴木", true);
    ASSERT_NE(view, nullptr);
    HWND patterns = view->controls[CStrokeSearchView::kPatternList];
    HWND samples = view->controls[CStrokeSearchView::kSampleList];
    const CSampleName& store = *App().samples;
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
            // Most common first: the data stores it last.
            EXPECT_EQ(RowText(samples, count - 1 - k), " " + std::string(written) + "  (" + reading + ")");
        }

        const int judgements = test::ViewCountOfKind(kJudgementView);
        char written[16] = {};
        store.GetSampleKj(pattern.strokes[0], rest, 0, written);
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
        std::reverse(notBoys.begin(), notBoys.end());  // most common first
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
    DoubleClickRow(samples, last);
    ExpectJudgementOpened(judgements, "鈴木", lastName.c_str());
    ExpectStrayDoubleClicksIgnored(patterns, samples, last + 1);

    test::ChooseSex(kCmdSexBoth);
    CReadingSearchView* both = OpenReading("山田 ひろみ");
    ASSERT_NE(both, nullptr);
    EXPECT_EQ(WindowTitle(both->window), "[山田] + [ひろみ]さんの検索結果");
    EXPECT_GT(both->search.resultCount, boys.resultCount);
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
