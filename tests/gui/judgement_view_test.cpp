// The judgement window: its layout for every name length, what its paint
// draws where and in which colour, its buttons, and the offer of the name to
// the best and worst lists.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app_state.h"
#include "child_window.h"
#include "dispatch.h"
#include "gdi_counter.h"
#include "grid_diagram.h"
#include "gui_fixture.h"
#include "judgement_view.h"
#include "screenshot.h"
#include "view_list.h"
#include "view_test.h"

namespace hoshikura {
namespace {

// Characters for names of every length: kanji, 々, hiragana, katakana, and
// ゐ, which the stroke table does not hold.
const char* const kSurnamePool[] = {"佐", "々", "木", "さ", "ゐ"};
const char* const kGivenPool[] = {"健", "ハ", "な", "ゐ", "鬱"};

struct Box {
    RECT area;
    std::string what;
};

bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

RECT At(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }

using test::CountColour;
using test::CountDark;
using test::IsDark;

class JudgementViewTest : public test::ViewTest {
protected:
    static CJudgementView* Open(const std::string& surname, const std::string& givenName) {
        if (!OpenView(surname.c_str(), givenName.c_str(), kJudgementView)) return nullptr;
        CView* view = NewestView();
        return view && view->kind == kJudgementView ? static_cast<CJudgementView*>(view)
                                                    : nullptr;
    }

    static RECT ClientOf(const CView* view) {
        RECT client;
        GetClientRect(view->window, &client);
        return client;
    }

    // The view painted into an off-screen canvas of its client size.
    static void PaintInto(CView* view, test::CCanvas& canvas) {
        PaintView(view, canvas.Dc());
    }

    // Leftmost column with ink, or -1.
    static int FirstDarkColumn(const test::CCanvas& canvas, const RECT& area) {
        for (int x = area.left; x < area.right; ++x)
            for (int y = area.top; y < area.bottom; ++y)
                if (IsDark(canvas.Pixel(x, y))) return x;
        return -1;
    }

    static void Click(const CView* view, int id) {
        SendMessageA(view->controls[id], BM_CLICK, 0, 0);
        test::PumpMessages();
    }
};

TEST_F(JudgementViewTest, TitleSizeAndButtons) {
    CJudgementView* view = Open("山田", "太郎");
    ASSERT_NE(view, nullptr);
    EXPECT_STREQ(view->title, "[ 山田 太郎 ]");
    char caption[64] = {};
    GetWindowTextA(view->window, caption, sizeof caption);
    EXPECT_STREQ(caption, "[ 山田 太郎 ]");
    EXPECT_EQ(view->width, 384);
    EXPECT_EQ(view->height, 320);
    const struct {
        const char* text;
        RECT area;
    } buttons[] = {
        {"解説", {300, 132, 372, 158}}, {"…>", {312, 164, 372, 187}},
        {"…>", {312, 190, 372, 213}},  {"…>", {312, 216, 372, 239}},
        {"…>", {312, 242, 372, 265}},  {"印刷", {312, 268, 372, 291}},
    };
    for (int id = 0; id < kJudgementButtonCount; ++id) {
        HWND button = view->controls[id];
        ASSERT_TRUE(IsWindow(button)) << id;
        char text[16] = {};
        GetWindowTextA(button, text, sizeof text);
        EXPECT_STREQ(text, buttons[id].text) << id;
        EXPECT_EQ(GetDlgCtrlID(button), id);
        EXPECT_TRUE(GetWindowLongA(button, GWL_STYLE) & WS_TABSTOP) << id;
        RECT area;
        GetWindowRect(button, &area);
        MapWindowPoints(nullptr, view->window, reinterpret_cast<POINT*>(&area), 2);
        EXPECT_EQ(area.left, buttons[id].area.left) << id;
        EXPECT_EQ(area.top, buttons[id].area.top) << id;
        EXPECT_EQ(area.right, buttons[id].area.right) << id;
        EXPECT_EQ(area.bottom, buttons[id].area.bottom) << id;
    }
}

// The rules for the character boxes, by the number of characters.
TEST_F(JudgementViewTest, CharacterBoxesFollowTheNameLength) {
    const int cap = GetSystemMetrics(SM_CYCAPTION);
    const int b = (132 - cap) / 2 - 8;
    const struct {
        const char* surname;
        const char* givenName;
        std::vector<int> y;
        int height;
    } cases[] = {
        {"林", "一", {b, b + 44 + 192 - 88}, 320},
        {"山田", "太郎", {b, b + 44, b + 104, b + 148}, 320},
        {"林", "健太郎", {b - 6, b + 66, b + 110, b + 154}, 320},
        {"佐々木", "一", {b - 6, b + 38, b + 82, b + 154}, 320},
        {"山田", "健太郎", {(88 - cap) / 2 - 8, (88 - cap) / 2 + 36, (88 - cap) / 2 + 96,
                            (88 - cap) / 2 + 140, (88 - cap) / 2 + 184}, 320},
        {"佐々木", "健太郎", {(52 - cap) / 2 - 8, (52 - cap) / 2 + 36, (52 - cap) / 2 + 80,
                              (52 - cap) / 2 + 132, (52 - cap) / 2 + 176, (52 - cap) / 2 + 220},
         320},
        {"東西南北中", "春夏秋冬雪", {4, 48, 92, 136, 180, 232, 276, 320, 364, 408},
         cap + 44 * 10 + 24},
    };
    for (const auto& c : cases) {
        CJudgementView* view = Open(c.surname, c.givenName);
        ASSERT_NE(view, nullptr) << c.surname;
        const int n = static_cast<int>(c.y.size());
        for (int i = 0; i < n; ++i) EXPECT_EQ(view->column.top[i], c.y[i]) << c.surname << i;
        for (int i = n; i < 10; ++i) EXPECT_EQ(view->column.top[i], 0) << c.surname << i;
        EXPECT_EQ(view->height, c.height) << c.surname;
        RECT frame;
        GetWindowRect(view->window, &frame);
        EXPECT_EQ(frame.bottom - frame.top, c.height) << c.surname;
    }
}

// Dispatch takes longer texts than the dialogs let through: the column
// keeps to the ten rows it has.
TEST_F(JudgementViewTest, NamesLongerThanTypedKeepToTenRows) {
    CJudgementView* view = Open("一二三四五六七", "春夏秋冬");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->height, GetSystemMetrics(SM_CYCAPTION) + 44 * 10 + 24);
    // The tenth row is the given name's third character.
    EXPECT_EQ(view->column.top[9], 4 + 44 * 9 + 8);
    test::CCanvas canvas(ClientOf(view).right, ClientOf(view).bottom);
    PaintInto(view, canvas);
    EXPECT_GT(CountDark(canvas, {85, 4 + 44 * 9 + 11, 119, 4 + 44 * 9 + 45}), 10);
}

// Every box, label, panel and button of every name shape from 1 + 1 to
// 5 + 5 stays inside the client area and clear of every other; no bracket
// line runs through one of them.
TEST_F(JudgementViewTest, NoPartOverlapsAnotherOrLeavesTheWindow) {
    for (int s = 1; s <= 5; ++s) {
        for (int g = 1; g <= 5; ++g) {
            CJudgementView* view = Open(test::JoinFirst(kSurnamePool, s), test::JoinFirst(kGivenPool, g));
            ASSERT_NE(view, nullptr);
            const RECT client = ClientOf(view);
            CGridDiagramGeometry geometry;
            LayOutGridDiagram(view->record, view->column, kJudgementColumnX, 0, &geometry);
            ASSERT_EQ(geometry.characterCount, s + g);
            std::vector<Box> boxes;
            for (int i = 0; i < s + g; ++i) {
                boxes.push_back({At(geometry.character[i].x, geometry.character[i].y, 40, 40),
                                 "character " + std::to_string(i)});
                boxes.push_back({At(geometry.strokeBox[i].x, geometry.strokeBox[i].y, 22, 22),
                                 "strokes " + std::to_string(i)});
            }
            for (int q = 0; q < kGridCount; ++q) {
                const DiagramPoint box = geometry.gridBox[q];
                boxes.push_back({At(box.x, box.y, 22, 22), "grid " + std::to_string(q)});
                // Two full-width characters of height 16 above the box.
                const int left = box.x - (q == kOuter ? 6 : 2);
                boxes.push_back({At(left, box.y - 18, 32, 16), "label " + std::to_string(q)});
            }
            for (int row = 0; row < kGridCount; ++row) {
                boxes.push_back({At(208, 4 + 26 * row, 34, 17), "grid name"});
                boxes.push_back({{244, 1 + 26 * row, 372, 25 + 26 * row}, "luck panel"});
            }
            for (int row = 0; row < 5; ++row) {
                boxes.push_back({At(208, 170 + 25 * row, 34, 17), "method name"});
                boxes.push_back({{244, 166 + 25 * row, 304, 190 + 25 * row}, "score panel"});
            }
            for (int id = 0; id < kJudgementButtonCount; ++id) {
                RECT area;
                GetWindowRect(view->controls[id], &area);
                MapWindowPoints(nullptr, view->window, reinterpret_cast<POINT*>(&area), 2);
                boxes.push_back({area, "button"});
            }
            const std::string shape = std::to_string(s) + "+" + std::to_string(g);
            for (size_t i = 0; i < boxes.size(); ++i) {
                EXPECT_TRUE(Inside(boxes[i].area, client)) << shape << " " << boxes[i].what;
                for (size_t j = i + 1; j < boxes.size(); ++j)
                    EXPECT_FALSE(Overlap(boxes[i].area, boxes[j].area))
                        << shape << " " << boxes[i].what << " / " << boxes[j].what;
            }
            for (int k = 0; k < geometry.bracketCount; ++k) {
                const DiagramLine& l = geometry.brackets[k];
                // Pen width 3: one pixel either side of the line.
                RECT line = {std::min(l.x1, l.x2) - 1, std::min(l.y1, l.y2) - 1,
                             std::max(l.x1, l.x2) + 2, std::max(l.y1, l.y2) + 2};
                for (const Box& box : boxes)
                    EXPECT_FALSE(Overlap(line, box.area)) << shape << " line " << k << " / "
                                                          << box.what;
            }
            test::CloseAllViews();
        }
    }
}

// Characters of every kind are drawn in their boxes, their stroke counts in
// the stroke boxes: two-digit counts start further left than one-digit ones.
TEST_F(JudgementViewTest, DrawsEveryCharacterAndItsStrokeCount) {
    const struct {
        const char* surname;
        const char* givenName;
    } names[] = {{"佐々木", "健太郎"}, {"さくら", "ハナコ"}, {"ゐ", "鬱"}};
    for (const auto& name : names) {
        CJudgementView* view = Open(name.surname, name.givenName);
        ASSERT_NE(view, nullptr);
        const RECT client = ClientOf(view);
        test::CCanvas canvas(client.right, client.bottom);
        PaintInto(view, canvas);
        const int n = view->record.surnameLength + view->record.givenLength;
        for (int i = 0; i < n; ++i) {
            const int y = view->column.top[i];
            const RECT inside = {kJudgementColumnX + 3, y + 3, kJudgementColumnX + 37, y + 37};
            EXPECT_GT(CountDark(canvas, inside), 10) << name.surname << " character " << i;
            const int px = kJudgementColumnX + 44;
            const RECT strokeBox = {px + 2, y + 11, px + 20, y + 29};
            const int first = FirstDarkColumn(canvas, strokeBox);
            ASSERT_GE(first, 0) << name.surname << " strokes " << i;
            if (view->record.strokes[i] > 9)
                EXPECT_LT(first, px + 8) << name.surname << " two digits " << i;
            else
                EXPECT_GE(first, px + 8) << name.surname << " one digit " << i;
        }
    }
    CJudgementView* missing = Open("ゐ", "鬱");
    EXPECT_EQ(missing->record.strokes[0], 0) << "ゐ is not in the table and shows 0";
}

// Luck classes: blue for lucky, red for unlucky, black for neutral.
TEST_F(JudgementViewTest, GridRowsAreColouredByLuckClass) {
    const struct {
        const char* surname;
        const char* givenName;
        COLORREF colours[kGridCount];
    } cases[] = {
        // Grids 8, 9, 13, 12, 21.
        {"山田", "太郎", {kBlue, kRed, kBlue, kRed, kBlue}},
        // Grids 8, 9, 1, 9, 9.
        {"林", "一", {kBlue, kRed, kBlue, kRed, kRed}},
        // Grids 0, 4, 13, 9, 13: heaven 0 (not in the table) is neutral.
        {"ゐ", "太郎", {kBlack, kRed, kBlue, kRed, kBlue}},
    };
    for (const auto& c : cases) {
        CJudgementView* view = Open(c.surname, c.givenName);
        ASSERT_NE(view, nullptr);
        test::CCanvas canvas(ClientOf(view).right, ClientOf(view).bottom);
        PaintInto(view, canvas);
        for (int row = 0; row < kGridCount; ++row) {
            const RECT text = {246, 3 + 26 * row, 370, 24 + 26 * row};
            const COLORREF expected = c.colours[row];
            EXPECT_GT(CountColour(canvas, text, expected), 10) << c.surname << " row " << row;
            for (COLORREF other : {kBlue, kRed, kBlack}) {
                if (other == expected) continue;
                EXPECT_EQ(CountColour(canvas, text, other), 0) << c.surname << " row " << row;
            }
        }
        // Scores in black in their white panels.
        for (int row = 0; row < 5; ++row) {
            const RECT score = {246, 168 + 25 * row, 302, 188 + 25 * row};
            EXPECT_GT(CountDark(canvas, score), 10) << c.surname << " score " << row;
        }
    }
}

// No text runs over the edge of its panel: every panel's right edge keeps
// its highlight after the paint, also for the longest and heaviest names.
TEST_F(JudgementViewTest, TextStaysInsideItsPanels) {
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const char* const names[][2] = {{"山田", "太郎"}, {"鬱鬱鬱鬱鬱", "鬱鬱鬱鬱鬱"}, {"ゐ", "ゐ"}};
    for (const auto& name : names) {
        CJudgementView* view = Open(name[0], name[1]);
        ASSERT_NE(view, nullptr);
        test::CCanvas canvas(ClientOf(view).right, ClientOf(view).bottom);
        PaintInto(view, canvas);
        std::vector<RECT> panels;
        for (int row = 0; row < kGridCount; ++row)
            panels.push_back({244, 1 + 26 * row, 372, 25 + 26 * row});
        CGridDiagramGeometry geometry;
        LayOutGridDiagram(view->record, view->column, kJudgementColumnX, 0, &geometry);
        for (int i = 0; i < geometry.characterCount; ++i) {
            panels.push_back(At(geometry.character[i].x, geometry.character[i].y, 40, 40));
            panels.push_back(At(geometry.strokeBox[i].x, geometry.strokeBox[i].y, 22, 22));
        }
        for (const DiagramPoint& q : geometry.gridBox) panels.push_back(At(q.x, q.y, 22, 22));
        for (const RECT& panel : panels)
            for (int y = panel.top + 2; y < panel.bottom - 2; ++y)
                EXPECT_EQ(canvas.Pixel(panel.right - 1, y), highlight)
                    << name[0] << " panel at " << panel.left << "," << panel.top << " y " << y;
    }
}

// Ten characters of 29 strokes: grids 145, 58, 145, 232 and 290 are shown
// below 100, and the luck rows judge the shown numbers.
TEST_F(JudgementViewTest, GridsOfAHundredOrMoreShowTwoDigits) {
    CJudgementView* view = Open("鬱鬱鬱鬱鬱", "鬱鬱鬱鬱鬱");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->record.total, 290);
    test::CCanvas canvas(ClientOf(view).right, ClientOf(view).bottom);
    PaintInto(view, canvas);
    EXPECT_EQ(view->record.total, 290) << "painting leaves the record as it is";
    const RECT totalRow = {246, 3 + 26 * 4, 370, 24 + 26 * 4};
    EXPECT_GT(CountColour(canvas, totalRow, kBlack), 10) << "90 is outside 1..81: neutral";
    EXPECT_EQ(CountColour(canvas, totalRow, kBlue), 0);
}

TEST_F(JudgementViewTest, ButtonsOpenTheDetailViewsOfTheSameName) {
    CJudgementView* view = Open("佐々木", "健太郎");
    ASSERT_NE(view, nullptr);
    const CRankLists before = App().rankLists;
    for (int id = kExplainButton; id <= kLastMethodButton; ++id) {
        Click(view, id);
        CView* opened = NewestView();
        ASSERT_NE(opened, view) << id;
        EXPECT_EQ(opened->kind, id + 1) << id;
        EXPECT_STREQ(opened->Surname(), "佐々木");
        EXPECT_STREQ(opened->GivenName(), "健太郎");
    }
    EXPECT_EQ(test::ViewCount(), 6);
    EXPECT_EQ(std::memcmp(&before, &App().rankLists, sizeof before), 0)
        << "only the judgement view offers its name";
}

TEST_F(JudgementViewTest, PrintButtonAsksForAPrinter) {
    CJudgementView* view = Open("山田", "太郎");
    ASSERT_NE(view, nullptr);
    std::string shown = "none";
    test::AnswerNextMessageBox(IDCANCEL, &shown);
    Click(view, kPrintButton);
    EXPECT_NE(shown, "none") << "the print dialog came up and was cancelled";
    EXPECT_EQ(test::ViewCount(), 1);
    EXPECT_TRUE(test::TakeMessages().empty()) << "a cancelled print says nothing";
}

// Only clicks of its own buttons count: ids from menus or accelerators,
// other notifications and other windows' buttons open nothing, so no id can
// open a ranking, version or features view behind the frame's back.
TEST_F(JudgementViewTest, StrayCommandsOpenNothing) {
    CJudgementView* view = Open("山田", "太郎");
    CJudgementView* other = Open("林", "一");
    ASSERT_NE(view, nullptr);
    ASSERT_NE(other, nullptr);
    const struct {
        WPARAM wparam;
        LPARAM lparam;
    } strays[] = {
        {6, 0},    // would be kind 7, the ranking view
        {11, 0},   // kind 12, the version view
        {12, 0},   // kind 13, the features view
        {7, 0},    // kind 8, a search
        {MAKEWPARAM(1, BN_CLICKED), 0},  // a menu item or accelerator with a button's id
        {MAKEWPARAM(1, BN_CLICKED), reinterpret_cast<LPARAM>(other->controls[1])},
        {MAKEWPARAM(1, BN_DOUBLECLICKED), reinterpret_cast<LPARAM>(view->controls[1])},
        {MAKEWPARAM(6, BN_CLICKED), reinterpret_cast<LPARAM>(view->controls[5])},
        {MAKEWPARAM(0xFFFF, BN_CLICKED), reinterpret_cast<LPARAM>(view->controls[0])},
    };
    for (const auto& stray : strays) {
        SendMessageA(view->window, WM_COMMAND, stray.wparam, stray.lparam);
        test::PumpMessages();
        EXPECT_EQ(test::ViewCount(), 2) << std::hex << stray.wparam;
    }
    EXPECT_EQ(App().viewList->rankingOpen, 0);
    EXPECT_EQ(App().viewList->versionOpen, 0);
    EXPECT_EQ(App().viewList->featuresOpen, 0);
    // The real click with the same id still works.
    SendMessageA(view->window, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED),
                 reinterpret_cast<LPARAM>(view->controls[1]));
    EXPECT_EQ(test::ViewCountOfKind(kStrokeMethodView), 1);
}

TEST_F(JudgementViewTest, CreatingOffersTheNameToBothLists) {
    ASSERT_NE(Open("山田", "太郎"), nullptr);
    const CRankLists& lists = App().rankLists;
    EXPECT_STREQ(lists.best.surnames[0], "山田");
    EXPECT_STREQ(lists.best.givenNames[0], "太郎");
    EXPECT_EQ(lists.best.scores[0], 585);
    EXPECT_STREQ(lists.worst.surnames[0], "山田");
    EXPECT_EQ(lists.worst.scores[0], 585);
    EXPECT_EQ(lists.best.scores[1], 0);
    ASSERT_NE(Open("林", "一"), nullptr);
    EXPECT_EQ(lists.best.scores[0], 585);
    EXPECT_STREQ(lists.best.surnames[1], "林");
    EXPECT_EQ(lists.best.scores[1], 422);
    EXPECT_STREQ(lists.worst.surnames[0], "林");
    EXPECT_EQ(lists.worst.scores[1], 585);
    // Judging the same name again leaves both lists as they are.
    const CRankLists before = lists;
    ASSERT_NE(Open("山田", "太郎"), nullptr);
    EXPECT_EQ(std::memcmp(&before, &lists, sizeof before), 0);
    // Views other than the judgement do not offer.
    for (int kind = kExplanationView; kind <= kSameStrokeMethodView; ++kind)
        OpenView("佐々木", "健太郎", kind);
    EXPECT_EQ(std::memcmp(&before, &lists, sizeof before), 0);
}

TEST_F(JudgementViewTest, PaintLeavesNoGdiObjectBehind) {
    CJudgementView* view = Open("佐々木", "健太郎");
    ASSERT_NE(view, nullptr);
    test::CCanvas canvas(ClientOf(view).right, ClientOf(view).bottom);
    test::CGdiCounter counter;
    ASSERT_TRUE(counter.Installed());
    PaintInto(view, canvas);
    EXPECT_GT(counter.Created(), 0);
    EXPECT_EQ(counter.Alive(), 0);
}

TEST_F(JudgementViewTest, SavesJudgementsOfSeveralShapes) {
    const test::CShownFrame shown;
    const char* const names[][3] = {{"山田", "太郎", "judgement_yamada_taro.png"},
                                    {"林", "一", "judgement_hayashi_hajime.png"},
                                    {"東西南北中", "春夏秋冬雪", "judgement_five_five.png"},
                                    // 1 + 5, kana, and ゐ missing from the table.
                                    {"ゐ", "さくらハナ", "judgement_one_five.png"}};
    for (const auto& name : names) {
        ASSERT_EQ(OpenView(name[0], name[1], kJudgementView), 1);
        EXPECT_TRUE(shown.Snap(App().viewList->head->window, name[2]));
        test::CloseAllViews();
    }
}

}  // namespace
}  // namespace hoshikura
