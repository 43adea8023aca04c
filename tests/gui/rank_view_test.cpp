// The Best10 & Worst10 window: rows of damaged fields, what its paint draws
// until a refresh, text inside its panels and its clear button.
#include <gtest/gtest.h>

#include <cstring>
#include <cstdint>
#include <string>
#include <vector>

#include "app_state.h"
#include "child_window.h"
#include "dispatch.h"
#include "frame_window.h"
#include "gdi_counter.h"
#include "gui_fixture.h"
#include "rank_view.h"
#include "screenshot.h"
#include "view_list.h"
#include "view_test.h"

namespace hoshikura {
namespace {

constexpr COLORREF kRowText = 0xC4FFFF;
constexpr char kClearQuestion[] = "BEST10、WORST10の記録を全て消去しますか？";

std::string Row(const CRankList& list, int row) {
    char text[64];
    FormatRankRow(list, row, text, sizeof text);
    return text;
}

void SetRow(CRankList& list, int row, const char* surname, const char* givenName, int score) {
    std::memset(list.surnames[row], 0, kRankNameSize);
    std::memset(list.givenNames[row], 0, kRankNameSize);
    std::memcpy(list.surnames[row], surname, std::min<size_t>(std::strlen(surname), kRankNameSize));
    std::memcpy(list.givenNames[row], givenName,
                std::min<size_t>(std::strlen(givenName), kRankNameSize));
    list.scores[row] = score;
}

// Rows read from the registry may fill all twelve bytes without a NUL.
TEST(RankRowTextTest, UnterminatedFieldsStayInsideTheirTwelveBytes) {
    CRankList list;
    list.Clear();
    std::memcpy(list.surnames[0], "山田山田山田", kRankNameSize);
    std::memcpy(list.givenNames[0], "太郎太郎太郎", kRankNameSize);
    list.scores[0] = 600;
    EXPECT_EQ(Row(list, 0), "山田山田山田 太郎太郎太郎 600点");
    // A field whose twelfth byte starts a character loses that byte.
    std::memcpy(list.surnames[1], "a山田山田山\x8E", kRankNameSize);
    list.scores[1] = 500;
    EXPECT_EQ(Row(list, 1).substr(0, 12), "a山田山田山 ");
}

class RankViewTest : public test::ViewTest {
protected:
    // The ranking view as the frame's menu opens it.
    static CRankView* OpenFromMenu() {
        SendMessageA(App().frame, WM_COMMAND, kCmdRanking, 0);
        for (CView* view = App().viewList->head; view; view = view->next)
            if (view->kind == kRankView) return static_cast<CRankView*>(view);
        return nullptr;
    }

    static void Click(const CView* view, int id) {
        SendMessageA(view->controls[id], BM_CLICK, 0, 0);
        test::PumpMessages();
    }

    static void OfferNames() {
        CRankLists& lists = App().rankLists;
        const struct {
            const char* surname;
            const char* givenName;
            int score;
        } names[] = {
            {"山田", "太郎", 585}, {"林", "一", 422},   {"佐々木", "健太郎", 725},
            {"鈴木", "花子", 500}, {"田中", "一郎", 610}, {"高橋", "さくら", 300},
            {"伊藤", "ハナコ", 450}, {"渡辺", "翔", 520}, {"小林", "誠", 390},
            {"加藤", "愛", 470},   {"東西南北中", "春夏秋冬雪", 555}, {"中村", "優", 640},
        };
        for (const auto& name : names) lists.OfferName(name.surname, name.givenName, name.score);
    }
};

std::vector<COLORREF> Painted(CView* view) {
    RECT client;
    GetClientRect(view->window, &client);
    test::CCanvas canvas(client.right, client.bottom);
    PaintView(view, canvas.Dc());
    std::vector<COLORREF> pixels;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) pixels.push_back(canvas.Pixel(x, y));
    return pixels;
}

// A judgement made while the view is open shows only after a refresh, so a
// part uncovered in between is painted from the same state as the rest.
TEST_F(RankViewTest, PaintsTheListsAsTheyWereAtOpeningUntilARefresh) {
    OfferNames();
    CRankView* view = OpenFromMenu();
    ASSERT_NE(view, nullptr);
    const std::vector<COLORREF> opened = Painted(view);
    ASSERT_TRUE(OpenView("佐々木", "健太郎", kJudgementView));
    App().rankLists.OfferName("新人", "一番", 999);
    EXPECT_EQ(Painted(view), opened);
    Click(view, kRefreshButton);
    EXPECT_NE(Painted(view), opened);
}

// Stored rows may hold any score: every row's text stays inside its panel.
TEST_F(RankViewTest, ExtremeScoresAndLongNamesStayInsideTheirPanels) {
    for (CRankList* list : {&App().rankLists.best, &App().rankLists.worst})
        for (int row = 0; row < kRankRows; ++row)
            SetRow(*list, row, "東西南北中", "春夏秋冬雪", row % 2 ? INT32_MIN : INT32_MAX);
    CRankView* view = OpenFromMenu();
    ASSERT_NE(view, nullptr);
    RECT client;
    GetClientRect(view->window, &client);
    test::CCanvas canvas(client.right, client.bottom);
    PaintView(view, canvas.Dc());
    int inside = 0, outside = 0;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) {
            if (canvas.Pixel(x, y) != kRowText) continue;
            const int row = (y - 32) / 28, side = x < 280 ? 0 : 280;
            const bool inPanel = y >= 32 && row < kRankRows && y - 32 - row * 28 < 25 &&
                                 x >= side + 54 && x < side + 278;
            ++(inPanel ? inside : outside);
        }
    EXPECT_GT(inside, 1000);
    EXPECT_EQ(outside, 0);
}

TEST_F(RankViewTest, ClearAsksFirstAndEmptiesBothListsOnlyOnYes) {
    OfferNames();
    CRankView* view = OpenFromMenu();
    ASSERT_NE(view, nullptr);
    const CRankLists before = App().rankLists;
    std::string question;
    test::AnswerNextMessageBox(IDNO, &question);
    Click(view, kClearButton);
    EXPECT_EQ(question, kClearQuestion);
    EXPECT_EQ(std::memcmp(&before, &App().rankLists, sizeof before), 0) << "No keeps the lists";
    test::AnswerNextMessageBox(IDYES, &question);
    Click(view, kClearButton);
    for (const CRankList* list : {&App().rankLists.best, &App().rankLists.worst}) {
        for (int row = 0; row < kRankRows; ++row) {
            EXPECT_STREQ(list->surnames[row], "---");
            EXPECT_STREQ(list->givenNames[row], "---");
            EXPECT_EQ(list->scores[row], 0);
        }
    }
}

// The lists after a few judgements, as the menu shows them.
TEST_F(RankViewTest, SavesTheListsAfterSeveralJudgements) {
    const char* const names[][2] = {{"山田", "太郎"}, {"林", "一"},     {"佐々木", "健太郎"},
                                    {"鈴木", "花子"}, {"高橋", "さくら"}, {"東西南北中", "春夏秋冬雪"},
                                    {"伊藤", "ハナコ"}};
    for (const auto& name : names) ASSERT_EQ(OpenView(name[0], name[1], kJudgementView), 1);
    test::CloseAllViews();
    EXPECT_STREQ(App().rankLists.best.surnames[0], "佐々木");
    const test::CShownFrame shown;
    CRankView* view = OpenFromMenu();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(shown.Snap(view->window, "best_and_worst.png"));
    test::CloseAllViews();
}

}  // namespace
}  // namespace hoshikura
