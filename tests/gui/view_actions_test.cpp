// What the views' buttons and tabs do: the judgement's buttons open views
// of the same name and its print button asks for a printer; each tab of the
// explanation shows its grid's text, again after switching; the best and
// worst view paints the lists as at opening until a refresh and clears them
// only on Yes; rows of damaged fields stay inside their bytes. The search
// result windows opened as their dialogs request them, under each sex
// choice of the menu: their rows are the portable searches' rankings, a
// double-click on a row judges its name and a double-click anywhere else
// (below the rows, past the ranking, sent by another window) opens nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "app_state.h"
#include "compose_search_view.h"
#include "dialog_text.h"
#include "dispatch.h"
#include "explanation_view.h"
#include "fortune_table.h"
#include "frame_window.h"
#include "grid_reading.h"
#include "gui_fixture.h"
#include "judgement_view.h"
#include "name_search_views.h"
#include "rank_view.h"
#include "sample_name.h"
#include "sex_filter.h"
#include "stroke_search_view.h"
#include "view_list.h"

namespace hoshikura {
namespace {

class ViewActionsTest : public test::ViewTest {
protected:
    static void Click(const CView* view, int id) {
        SendMessageA(view->controls[id], BM_CLICK, 0, 0);
        test::PumpMessages();
    }
    static std::vector<COLORREF> Painted(CView* view) {
        RECT client;
        GetClientRect(view->window, &client);
        test::CCanvas canvas(client.right, client.bottom);
        SendMessageA(view->window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
        return canvas.Pixels();
    }
};

TEST_F(ViewActionsTest, JudgementButtonsOpenViewsOfTheSameNameAndPrintAsksForAPrinter) {
    CView* view = Open({kJudgementView, "佐々木", "健太郎"});
    ASSERT_NE(view, nullptr);
    const CRankLists before = App().rankLists;
    for (int id = kExplainButton; id <= kLastMethodButton; ++id) {
        Click(view, id);
        CView* opened = NewestView();
        ASSERT_NE(opened, view) << id;
        EXPECT_STREQ(opened->Surname(), "佐々木");
        EXPECT_STREQ(opened->GivenName(), "健太郎");
    }
    EXPECT_EQ(test::ViewCount(), kLastMethodButton - kExplainButton + 2);
    EXPECT_EQ(std::memcmp(&before, &App().rankLists, sizeof before), 0)
        << "only the judgement view offers its name";

    std::string shown = "none";
    test::AnswerNextMessageBox(IDCANCEL, &shown);
    Click(view, kPrintButton);
    EXPECT_NE(shown, "none") << "the print dialog came up and was cancelled";
    EXPECT_TRUE(test::TakeMessages().empty()) << "a cancelled print says nothing";
}

TEST_F(ViewActionsTest, EachClickedTabShowsItsGridsTextAgainAfterSwitching) {
    const char* const names[][2] = {{"山田", "太郎"}, {"一", "悪"}, {"佐々木", "健太郎"}};
    for (const auto& name : names) {
        auto* view = static_cast<CExplanationView*>(Open({kExplanationView, name[0], name[1]}));
        ASSERT_NE(view, nullptr) << name[0];
        const CNameRecord& record = view->record;
        std::string shown[kExplanationTabs];
        for (int round = 0; round < 2; ++round)
            for (int tab : {1, 2, 3, 0}) {
                // A click on the tab, as the user makes it.
                RECT item = {};
                SendMessageA(view->tabControl, TCM_GETITEMRECT, tab, reinterpret_cast<LPARAM>(&item));
                const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
                SendMessageA(view->tabControl, WM_LBUTTONDOWN, MK_LBUTTON, at);
                SendMessageA(view->tabControl, WM_LBUTTONUP, 0, at);
                test::PumpMessages();
                const std::string text = test::TextOf(view->page);
                EXPECT_NE(text.find(ReadGrid(record, kPerson + tab, App().fortunes).text),
                          std::string::npos)
                    << name[0] << " tab " << tab;
                EXPECT_TRUE(round == 0 || text == shown[tab]) << name[0] << " tab " << tab;
                shown[tab] = text;
            }
    }
}

// A judgement made while the view is open shows only after a refresh, so a
// part uncovered in between is painted from the same state as the rest; an
// explanation opened meanwhile leaves the view known as the open one.
TEST_F(ViewActionsTest, RankingPaintsTheListsAsAtOpeningUntilARefreshAndClearsOnlyOnYes) {
    for (const char* given : {"太郎", "花子", "一郎"}) test::OpenRequested({kJudgementView, "山田", given});
    SendMessageA(App().frame, WM_COMMAND, kCmdRanking, 0);
    CView* view = NewestView();
    ASSERT_EQ(view->kind, kRankView);
    const std::vector<COLORREF> opened = Painted(view);
    ASSERT_NE(Open({kExplanationView, "佐々木", "健太郎"}), nullptr);
    EXPECT_EQ(App().viewList->rankingWindow, view->window);
    ASSERT_NE(Open({kJudgementView, "新人", "一番"}), nullptr);
    EXPECT_EQ(Painted(view), opened);
    Click(view, kRefreshButton);
    EXPECT_NE(Painted(view), opened);

    const CRankLists before = App().rankLists;
    std::string question;
    test::AnswerNextMessageBox(IDNO, &question);
    Click(view, kClearButton);
    EXPECT_FALSE(question.empty()) << "clearing asks first";
    EXPECT_EQ(std::memcmp(&before, &App().rankLists, sizeof before), 0) << "No keeps the lists";
    test::AnswerNextMessageBox(IDYES);
    Click(view, kClearButton);
    CRankLists cleared;
    cleared.Clear();
    EXPECT_EQ(std::memcmp(&cleared, &App().rankLists, sizeof cleared), 0);
}

// Rows read from the registry may fill all twelve bytes without a NUL.
TEST(RankRowTextTest, UnterminatedFieldsStayInsideTheirTwelveBytes) {
    CRankList list;
    list.Clear();
    std::memcpy(list.surnames[0], "山田山田山田", kRankNameSize);
    std::memcpy(list.givenNames[0], "太郎太郎太郎", kRankNameSize);
    list.scores[0] = 600;
    char text[64];
    FormatRankRow(list, 0, text, sizeof text);
    EXPECT_STREQ(text, "山田山田山田 太郎太郎太郎 600点");
    // A field whose twelfth byte starts a character loses that byte.
    std::memcpy(list.surnames[1], "a山田山田山\x8E", kRankNameSize);
    list.scores[1] = 500;
    FormatRankRow(list, 1, text, sizeof text);
    EXPECT_EQ(std::string(text).substr(0, 12), "a山田山田山 ");
}

std::string RowText(HWND list, int row) { return test::ListRow(list, row); }

int RowCount(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); }

// What a user's click does: select the row (-1 clears the selection), then
// the list tells its parent.
void Select(CView* view, HWND list, int row) {
    SendMessageA(list, LB_SETCURSEL, row, 0);
    SendMessageA(view->window, WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

// A double-click at a point of the list's client area, with the cursor
// there, handled by the list itself.
void DoubleClickAt(HWND list, int x, int y) {
    POINT onScreen = {x, y};
    ClientToScreen(list, &onScreen);
    SetCursorPos(onScreen.x, onScreen.y);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        PostMessageA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    test::PumpMessages();
}

// The area of a row, scrolled into sight.
RECT RowArea(HWND list, int row) {
    SendMessageA(list, LB_SETTOPINDEX, row, 0);
    RECT area;
    SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&area));
    return area;
}

void DoubleClickRow(HWND list, int row) {
    const RECT area = RowArea(list, row);
    DoubleClickAt(list, (area.left + area.right) / 2, (area.top + area.bottom) / 2);
}

using CoreRow = std::pair<int32_t, std::string>;  // score, written

const char* Written(const SurnameResult& row) { return row.surname; }
template <typename Row>
const char* Written(const Row& row) { return row.written; }

// The portable search's ranking for the words a dialog gave a view.
std::vector<CoreRow> CoreRanking(int kind, const SearchRequest& words, int32_t sex) {
    std::vector<CoreRow> rows;
    const auto rank = [&](auto& search) {
        search.RunSearch(*App().samples);
        for (int i = 0; i < search.resultCount; ++i) rows.emplace_back(search.results[i].score, Written(search.results[i]));
    };
    const auto rankBySex = [&](auto search) {
        search.SetQuery(words.surname, words.query);
        search.sexChoice = sex;
        rank(search);
    };
    CSurnameSearch surnames;
    CComposeSearch composed;
    if (kind == kSurnameSearchView) {
        surnames.SetQuery(words.wantGood, words.query);
        rank(surnames);
    } else if (kind == kComposeSearchView) {
        composed.SetQuery(words.surname, words.query, sex);
        rank(composed);
    } else if (kind == kReadingSearchView) {
        rankBySex(CReadingSearch());
    } else {
        rankBySex(CKanjiSearch());
    }
    return rows;
}

class SearchViewTest : public test::ViewTest {
protected:
    void TearDown() override {
        test::ChooseSex(kCmdSexBoth);
        ViewTest::TearDown();
        EXPECT_TRUE(test::TakeMessages().empty());
    }

    // The newest view is a judgement of this name, and the only new one.
    static void ExpectJudged(int viewsBefore, const std::string& surname, const std::string& given) {
        ASSERT_EQ(test::ViewCount(), viewsBefore + 1);
        CView* judged = NewestView();
        ASSERT_EQ(judged->kind, kJudgementView);
        EXPECT_EQ(judged->Surname(), surname);
        EXPECT_EQ(judged->GivenName(), given);
    }

    // Double-clicks that must open nothing: below the last row (where the
    // list leaves room for it), on a row past the ranking, and one that
    // another window claims to send. True when below was tried.
    static bool ExpectStrayDoubleClicksIgnored(CView* view, HWND list) {
        const int views = test::ViewCount();
        const int rows = RowCount(list);
        const RECT last = RowArea(list, rows - 1);
        RECT client;
        GetClientRect(list, &client);
        const bool room = last.bottom + 4 < client.bottom;
        if (room) {
            SendMessageA(list, LB_SETCURSEL, 0, 0);
            DoubleClickAt(list, client.right / 2, (last.bottom + client.bottom) / 2);
            EXPECT_EQ(test::ViewCount(), views) << "below the last row, row 1 selected";
        }
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("余分な行"));
        DoubleClickRow(list, rows);
        EXPECT_EQ(test::ViewCount(), views) << "a row past the ranking";
        SendMessageA(list, LB_SETCURSEL, 0, 0);
        SendMessageA(view->window, WM_COMMAND, MAKEWPARAM(0, LBN_DBLCLK), reinterpret_cast<LPARAM>(App().client));
        EXPECT_EQ(test::ViewCount(), views) << "not from the result list";
        SendMessageA(list, LB_DELETESTRING, rows, 0);
        return room;
    }
};

TEST_F(SearchViewTest, RankedListsShowThePortableRankingAndJudgeADoubleClickedRow) {
    const struct {
        int kind;
        const char* typed;
        int sexCommand;
        int32_t sex;
    } cases[] = {
        {kReadingSearchView, "山田 ひろし", kCmdSexBoth, kBothSexes},
        {kReadingSearchView, "山田 ヒロミ", kCmdSexBoys, kBoysOnly},
        {kKanjiSearchView, "山田 翔", kCmdSexGirls, kGirlsOnly},
        {kKanjiSearchView, "佐々木 美", kCmdSexBoth, kBothSexes},
        {kSurnameSearchView, "太郎", kCmdSexBoth, kBothSexes},
        {kComposeSearchView, "佐藤　ハルト", kCmdSexBoth, kBothSexes},
        {kComposeSearchView, "山田 ゆいな", kCmdSexGirls, kGirlsOnly},
        {kComposeSearchView, "佐藤 浩", kCmdSexBoth, kBothSexes},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        test::ChooseSex(c.sexCommand);
        SearchRequest words;
        ASSERT_TRUE(c.kind == kKanjiSearchView     ? KanjiRequest(c.typed, words)
                    : c.kind == kSurnameSearchView ? SurnameRequest(c.typed, true, words)
                    : ReadingRequest(c.typed, c.kind == kComposeSearchView ? SearchKind::kCompose : SearchKind::kReading,
                                     words));
        ASSERT_TRUE(OpenSearchView(words));
        CView* view = NewestView();
        ASSERT_NE(view, nullptr);
        const std::vector<CoreRow> core = CoreRanking(c.kind, words, c.sex);
        HWND list = view->controls[CRankedSearchView::kResultList];
        if (core.empty()) {
            ASSERT_EQ(RowCount(list), 1);
            EXPECT_EQ(RowText(list, 0), kNoResultRow);
            continue;
        }
        ASSERT_EQ(RowCount(list), static_cast<int>(core.size()));
        int rank = 1;
        for (size_t i = 0; i < core.size(); ++i) {
            // A row that scores like the row before it shares that row's rank.
            if (i > 0 && core[i].first != core[i - 1].first) rank = static_cast<int>(i) + 1;
            char expected[kSearchTextSize];
            FormatRankedRow(expected, sizeof expected, rank, core[i].first, core[i].second.c_str());
            EXPECT_EQ(RowText(list, static_cast<int>(i)).rfind(expected, 0), 0u) << RowText(list, static_cast<int>(i));
        }
        const int row = core.size() > 5 ? 5 : static_cast<int>(core.size()) - 1;
        const int views = test::ViewCount();
        DoubleClickRow(list, row);
        if (c.kind == kSurnameSearchView)
            ExpectJudged(views, core[row].second, words.query);
        else
            ExpectJudged(views, words.surname, core[row].second);
        ExpectStrayDoubleClicksIgnored(view, list);
    }
}

// Patterns of one and of two characters chosen in turn list the sample names
// of their key the choice admits, most common first; a double-click on the
// last judges it; clearing the selection keeps the names shown.
TEST_F(SearchViewTest, ChoosingAPatternListsItsAdmittedSampleNamesAndADoubleClickJudgesOne) {
    const CSampleName& store = *App().samples;
    bool triedBelow = false;
    for (const auto& choice : {std::make_pair(kCmdSexBoth, kBothSexes), std::make_pair(kCmdSexGirls, kGirlsOnly)}) {
        test::ChooseSex(choice.first);
        ASSERT_TRUE(test::OpenRequested({kStrokeSearchView, "鈴木"}));
        auto* view = static_cast<CStrokeSearchView*>(NewestView());
        HWND patterns = view->controls[CStrokeSearchView::kPatternList];
        HWND samples = view->controls[CStrokeSearchView::kSampleList];
        bool chose[2] = {false, false};
        for (int row = 0; row < view->search.resultCount && !(chose[0] && chose[1]); ++row) {
            const StrokeResult& pattern = view->search.results[row];
            const int32_t first = pattern.strokes[0];
            const int32_t rest = pattern.characterCount == 2 ? pattern.strokes[1] : 0;
            const int32_t count = AdmittedSampleCount(store, first, rest, choice.second);
            if (count == 0 || chose[rest != 0]) continue;
            chose[rest != 0] = true;
            Select(view, patterns, row);
            ASSERT_EQ(RowCount(samples), count) << row;
            std::string written;
            for (int32_t r = 0; r < count; ++r) {
                char reading[32] = {}, text[16] = {};
                const int32_t k = AdmittedSampleIndex(store, first, rest, choice.second, r);
                store.GetSampleKj(first, rest, k, text);
                store.GetSampleYomi(first, rest, k, reading);
                const std::string shown = RowText(samples, r);
                EXPECT_NE(shown.find(text), std::string::npos) << shown;
                EXPECT_NE(shown.find(reading), std::string::npos) << shown;
                written = text;
            }
            const int views = test::ViewCount();
            DoubleClickRow(samples, count - 1);
            ExpectJudged(views, "鈴木", written);
            triedBelow |= ExpectStrayDoubleClicksIgnored(view, samples);
        }
        EXPECT_TRUE(chose[0] && chose[1]) << "the ranking holds patterns of one and two characters";
        const int shown = RowCount(samples);
        Select(view, patterns, -1);
        EXPECT_EQ(RowCount(samples), shown);
    }
    EXPECT_TRUE(triedBelow) << "a short sample list leaves room below its rows";
}

}  // namespace
}  // namespace hoshikura
