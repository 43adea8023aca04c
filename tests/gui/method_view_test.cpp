// The four method detail windows: titles and sizes for every name length,
// and what each one's paint draws where and in which colour.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app_state.h"
#include "child_window.h"
#include "dispatch.h"
#include "draw_context.h"
#include "gdi_counter.h"
#include "grid_diagram.h"
#include "gui_fixture.h"
#include "method_view.h"
#include "screenshot.h"
#include "view_list.h"
#include "view_test.h"

namespace hoshikura {
namespace {

// Box colours of the five elements.
constexpr COLORREF kWood = 0x99FF99;
constexpr COLORREF kFire = 0x6666FF;
constexpr COLORREF kEarthElement = 0x33CCFF;
constexpr COLORREF kMetal = 0x99FFFF;
constexpr COLORREF kWater = 0xFFFFCC;

// Characters for names of every length (all in the stroke table).
const char* const kSurnamePool[] = {"佐", "々", "木", "山", "田"};
const char* const kGivenPool[] = {"健", "太", "郎", "花", "子"};

using test::CountColour;
using test::CountDark;
using test::IsDark;

std::string Points(int points) {
    char text[16];
    std::snprintf(text, sizeof text, "%3d点", points);
    return text;
}

class MethodViewTest : public test::ViewTest {
protected:
    static CMethodView* Open(const std::string& surname, const std::string& givenName, int kind) {
        if (!OpenView(surname.c_str(), givenName.c_str(), kind)) return nullptr;
        CView* view = NewestView();
        return view && view->kind == kind ? static_cast<CMethodView*>(view) : nullptr;
    }

    // The view painted into an off-screen canvas of its window size.
    struct Painted {
        explicit Painted(CView* view) : canvas(view->width, view->height) {
            PaintView(view, canvas.Dc());
        }
        test::CCanvas canvas;
    };

    // Whether `area` of the painted canvas is pixel for pixel what `draw`
    // puts on a fresh canvas: how the tests read a drawn text.
    template <typename Draw>
    static bool LooksLike(const test::CCanvas& painted, const RECT& area, Draw draw) {
        test::CCanvas reference(painted.Width(), painted.Height());
        CDrawContext& dc = *App().drawContext;
        dc.AttachDC(reference.Dc());
        draw(dc);
        dc.ReleaseContext();
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (painted.Pixel(x, y) != reference.Pixel(x, y)) return false;
        return true;
    }

    static RECT ClientOf(const CView* view) {
        RECT client;
        GetClientRect(view->window, &client);
        return client;
    }
};

// ---- every kind ------------------------------------------------------------

TEST_F(MethodViewTest, TitlesAndFixedSizesFollowTheKind) {
    const struct {
        int kind;
        const char* title;
        int width;
    } kinds[] = {
        {kStrokeMethodView, "[ 山田 太郎 ] － 画数", 360},
        {kElementMethodView, "[ 山田 太郎 ] － 五行", 384},
        {kYinYangMethodView, "[ 山田 太郎 ] － 陰陽", 280},
        {kSameStrokeMethodView, "[ 山田 太郎 ] － 同画", 384},
    };
    for (const auto& k : kinds) {
        CMethodView* view = Open("山田", "太郎", k.kind);
        ASSERT_NE(view, nullptr) << k.kind;
        char caption[64] = {};
        GetWindowTextA(view->window, caption, sizeof caption);
        EXPECT_STREQ(caption, k.title);
        RECT frame;
        GetWindowRect(view->window, &frame);
        EXPECT_EQ(frame.right - frame.left, k.width) << k.kind;
        EXPECT_EQ(view->width, k.width);
        EXPECT_STREQ(view->Surname(), "山田");
        EXPECT_STREQ(view->GivenName(), "太郎");
        // No buttons; commands change nothing.
        EXPECT_EQ(GetWindow(view->window, GW_CHILD), nullptr);
        SendMessageA(view->window, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), 0);
        SendMessageA(view->window, WM_COMMAND, 5, 0);
        EXPECT_EQ(test::ViewCount(), 1);
        test::CloseAllViews();
    }
    // Ten characters: the fixed kinds keep their height.
    for (int kind : {kStrokeMethodView, kElementMethodView}) {
        CMethodView* view = Open("東西南北中", "春夏秋冬雪", kind);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->height, kind == kStrokeMethodView ? 256 : 320);
    }
}

// Yin-yang and same-stroke views are as tall as the judgement of the same
// name, for every shape from 1 + 1 to 5 + 5, and their columns fit inside.
TEST_F(MethodViewTest, ColumnViewsGrowWithTheName) {
    const int cap = GetSystemMetrics(SM_CYCAPTION);
    for (int s = 1; s <= 5; ++s) {
        for (int g = 1; g <= 5; ++g) {
            const std::string surname = test::JoinFirst(kSurnamePool, s);
            const std::string givenName = test::JoinFirst(kGivenPool, g);
            const std::string shape = std::to_string(s) + "+" + std::to_string(g);
            ASSERT_EQ(OpenView(surname.c_str(), givenName.c_str(), kJudgementView), 1);
            const int judgementHeight = NewestView()->height;
            for (int kind : {kYinYangMethodView, kSameStrokeMethodView}) {
                CMethodView* view = Open(surname, givenName, kind);
                ASSERT_NE(view, nullptr) << shape;
                EXPECT_EQ(view->height, judgementHeight) << shape << " kind " << kind;
                if (s + g <= 5) {
                    EXPECT_EQ(view->height, 320) << shape;
                }
                if (s + g >= 7) {
                    EXPECT_EQ(view->height, cap + 44 * (s + g) + 24) << shape;
                }
                const RECT client = ClientOf(view);
                const int x = kind == kYinYangMethodView ? 32 : 82;
                CGridDiagramGeometry geometry;
                LayOutGridDiagram(view->record, view->column, x, 0, &geometry);
                ASSERT_EQ(geometry.characterCount, s + g);
                for (int i = 0; i < s + g; ++i) {
                    EXPECT_GE(geometry.character[i].y, 0) << shape << " " << i;
                    EXPECT_LE(geometry.character[i].y + 40, client.bottom) << shape << " " << i;
                }
                if (kind == kSameStrokeMethodView) {
                    for (const DiagramPoint& q : geometry.gridBox) {
                        EXPECT_GE(q.y - 18, 0) << shape << " label above the window";
                        EXPECT_LE(q.y + 22, client.bottom) << shape;
                        EXPECT_GE(q.x - 6, 0) << shape;
                    }
                    EXPECT_LE(260, client.bottom) << shape << " score panel";
                }
            }
            test::CloseAllViews();
        }
    }
}

TEST_F(MethodViewTest, PaintingLeavesNoDrawingObjectBehind) {
    for (int kind = kStrokeMethodView; kind <= kSameStrokeMethodView; ++kind) {
        CMethodView* view = Open("闇磯嬰襖臆", "霞嚇橿轄竃", kind);
        ASSERT_NE(view, nullptr);
        test::CCanvas canvas(view->width, view->height);
        test::CGdiCounter counter;
        ASSERT_TRUE(counter.Installed());
        PaintView(view, canvas.Dc());
        EXPECT_GT(counter.Created(), 0) << kind;
        EXPECT_EQ(counter.Alive(), 0) << kind;
    }
}

// ---- stroke numbers ---------------------------------------------------------

class StrokeMethodTest : public MethodViewTest {
protected:
    // Length of grid g's bar, read on the row above its shadow.
    static int BarLength(const test::CCanvas& canvas, int g) {
        const int y = 16 + 30 * g;
        int x = 174;
        while (x < canvas.Width() && canvas.Pixel(x, y) != kWhite) ++x;
        return x - 174;
    }

    static bool ShowsTotal(const test::CCanvas& canvas, int total) {
        const RECT inside = {236, 184, 322, 220};
        const std::string text = Points(total);
        return LooksLike(canvas, inside, [&](CDrawContext& dc) {
            dc.colour = kWhite;
            dc.DrawPanel(234, 182, 324, 222, 1);
            dc.SetFont("ＭＳ Ｐ明朝", 30, 0, 0, 0, 0);
            dc.colour = kBlack;
            dc.DrawStringOn(242, 186, text.c_str(), kWhite);
        });
    }
};

// The bars add up to the stroke score the judgement shows, also when a grid
// is above 81 and counts as its reduced number (five 17-stroke characters as
// 3 + 2 have a Total grid of 85, which counts as 5: 268 points, not 142).
TEST_F(StrokeMethodTest, BarsAddUpToTheStrokeScore) {
    const struct {
        const char* surname;
        const char* givenName;
        int score;
    } names[] = {
        {"山田", "太郎", 346},
        {"闇磯嬰", "襖臆", 268},
        {"闇磯嬰襖臆", "霞嚇橿轄竃", 184},
        {"葵", "握", 481},
        {"家", "家", 8},
    };
    for (const auto& name : names) {
        CMethodView* view = Open(name.surname, name.givenName, kStrokeMethodView);
        ASSERT_NE(view, nullptr);
        const int score = view->record.scores[0];
        EXPECT_EQ(score, name.score) << name.surname;
        Painted painted(view);
        int sum = 0;
        for (int g = 0; g < kGridCount; ++g) sum += BarLength(painted.canvas, g);
        EXPECT_EQ(sum, score) << name.surname;
        EXPECT_TRUE(ShowsTotal(painted.canvas, score)) << name.surname;
        EXPECT_FALSE(ShowsTotal(painted.canvas, score + 1)) << name.surname;
        test::CloseAllViews();
    }
}

// A name whose characters are all missing has grids of 0: no bars, and the
// sum shows the score of -1.
TEST_F(StrokeMethodTest, MissingCharactersShowMinusOne) {
    CMethodView* view = Open("ゐゐ", "ゐ", kStrokeMethodView);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->record.scores[0], -1);
    Painted painted(view);
    for (int g = 0; g < kGridCount; ++g) EXPECT_EQ(BarLength(painted.canvas, g), 0) << g;
    EXPECT_TRUE(ShowsTotal(painted.canvas, -1));
    EXPECT_FALSE(ShowsTotal(painted.canvas, 0));
}

// 葵 握: Person and Total grid 24, number value 100: 150 and 175 points in
// pure blue; 家 家: grids 10 and 20 give 0 and 2 points in pure red.
TEST_F(StrokeMethodTest, BarsRunFromRedToBlueWithTheirShadow) {
    CMethodView* lucky = Open("葵", "握", kStrokeMethodView);
    ASSERT_NE(lucky, nullptr);
    Painted high(lucky);
    EXPECT_EQ(BarLength(high.canvas, kPerson), 150);
    EXPECT_EQ(BarLength(high.canvas, kTotal), 175);
    EXPECT_EQ(high.canvas.Pixel(174 + 174, 16 + 120), kBlue);
    EXPECT_EQ(high.canvas.Pixel(200, 16 + 30), kBlue);
    // The black shadow shows below and right of the bar.
    EXPECT_EQ(high.canvas.Pixel(174 + 176, 30 + 120), kBlack);
    EXPECT_EQ(high.canvas.Pixel(200, 35 + 120), kBlack);
    // Heaven 12: value 28, 28 points, a little blue in the red.
    const COLORREF heaven = high.canvas.Pixel(180, 16);
    EXPECT_EQ(BarLength(high.canvas, kHeaven), 28);
    EXPECT_EQ(GetGValue(heaven), 0);
    EXPECT_GT(GetBValue(heaven), 0);
    EXPECT_GT(GetRValue(heaven), GetBValue(heaven));

    CMethodView* unlucky = Open("家", "家", kStrokeMethodView);
    ASSERT_NE(unlucky, nullptr);
    Painted low(unlucky);
    EXPECT_EQ(BarLength(low.canvas, kHeaven), 0);
    EXPECT_EQ(low.canvas.Pixel(174, 16), kWhite) << "no bar for 0 points";
    EXPECT_EQ(BarLength(low.canvas, kOuter), 2);
    EXPECT_EQ(low.canvas.Pixel(175, 16 + 90), kRed);
}

TEST_F(StrokeMethodTest, RowsShowGridNumbersAndPointsInTheirPanels) {
    CMethodView* view = Open("山田", "太郎", kStrokeMethodView);
    ASSERT_NE(view, nullptr);
    Painted painted(view);
    const int grids[kGridCount] = {8, 9, 13, 12, 21};
    const int points[kGridCount] = {80, 18, 77, 28, 143};
    for (int g = 0; g < kGridCount; ++g) {
        const int y = 16 + 30 * g;
        char number[16];
        std::snprintf(number, sizeof number, "[%2d画]", grids[g]);
        const RECT numberArea = {56, y, 114, y + 20};
        EXPECT_TRUE(LooksLike(painted.canvas, numberArea, [&](CDrawContext& dc) {
            dc.SetFont("ゴシック", 18, 0, 0, 0, 0);
            dc.colour = kBlack;
            dc.DrawStringOn(56, y, number, GetSysColor(COLOR_BTNFACE));
        })) << g;
        const RECT panel = {118, y - 2, 168, y + 20};
        const std::string text = Points(points[g]);
        EXPECT_TRUE(LooksLike(painted.canvas, panel, [&](CDrawContext& dc) {
            dc.colour = kWhite;
            dc.DrawPanel(116, y - 4, 170, y + 22, 1);
            dc.SetFont("ゴシック", 17, 0, 0, 0, 0);
            dc.colour = kBlack;
            dc.DrawStringOn(120, y, text.c_str(), kWhite);
        })) << g;
        EXPECT_EQ(BarLength(painted.canvas, g), points[g]) << g;
    }
}

// Grids of three digits (136 and 170) end before the points panel instead
// of running under it.
TEST_F(StrokeMethodTest, ThreeDigitGridsStayLeftOfThePointsPanel) {
    CMethodView* view = Open("闇磯嬰襖臆", "霞嚇橿轄竃", kStrokeMethodView);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->record.grids[kTotal], 170);
    Painted painted(view);
    for (int g = 0; g < kGridCount; ++g) {
        const int y = 16 + 30 * g;
        EXPECT_GT(CountDark(painted.canvas, {56, y, 112, y + 20}), 20) << g;
        EXPECT_EQ(CountDark(painted.canvas, {112, y - 2, 116, y + 22}), 0)
            << "grid " << g << " touches the panel";
    }
}

// ---- five elements -----------------------------------------------------------

class ElementMethodTest : public MethodViewTest {
protected:
    static POINT BoxCentre(const CView* view, int grid) {
        const int cx = view->width / 2;
        const int cy = (view->height - GetSystemMetrics(SM_CYCAPTION)) / 2;
        const POINT centres[kGridCount] = {
            {cx, cy - 120}, {cx, cy}, {cx + 144, cy}, {cx - 144, cy}, {cx, cy + 120}};
        return centres[grid];
    }
};

TEST_F(ElementMethodTest, BoxesTakeTheColourOfTheirElement) {
    const struct {
        const char* surname;
        const char* givenName;
        COLORREF boxes[kGridCount];
    } cases[] = {
        // Grids 8, 9, 13, 12, 21.
        {"山田", "太郎", {kMetal, kWater, kFire, kWood, kWood}},
        // Grids 8, 7, 5, 6, 13.
        {"山田", "二山", {kMetal, kMetal, kEarthElement, kEarthElement, kFire}},
        // Grids 11, 20, 9, 20, 20.
        {"悪", "娃", {kWood, kWater, kWater, kWater, kWater}},
        // Grids of 0 count as wood.
        {"ゐゐ", "ゐ", {kWood, kWood, kWood, kWood, kWood}},
    };
    for (const auto& c : cases) {
        CMethodView* view = Open(c.surname, c.givenName, kElementMethodView);
        ASSERT_NE(view, nullptr);
        Painted painted(view);
        for (int g = 0; g < kGridCount; ++g) {
            const POINT centre = BoxCentre(view, g);
            // Corners of the box's inside, clear of its texts.
            EXPECT_EQ(painted.canvas.Pixel(centre.x - 39, centre.y - 23), c.boxes[g])
                << c.surname << " grid " << g;
            EXPECT_EQ(painted.canvas.Pixel(centre.x + 32, centre.y + 17), c.boxes[g])
                << c.surname << " grid " << g;
            // Label, element name and number are written inside.
            EXPECT_GT(CountDark(painted.canvas,
                                {centre.x - 40, centre.y - 24, centre.x + 33, centre.y + 18}),
                      40)
                << c.surname << " grid " << g;
        }
        test::CloseAllViews();
    }
}

// Each relation's arrow and word take the colour of its points: person with
// heaven and earth 25 blue, 1 red; outer to person 25 blue, 12 yellow, 1
// red; person with total 25 and 22 blue, 12 yellow, 4 and 1 red.
TEST_F(ElementMethodTest, ArrowsShowHowThePersonElementStands) {
    const struct {
        const char* surname;
        const char* givenName;
        int points[4];
        COLORREF arrows[4];  // heaven, earth, outer, total
    } cases[] = {
        {"山田", "太郎", {1, 1, 12, 25}, {kRed, kRed, kYellow, kBlue}},
        {"山田", "二山", {1, 25, 25, 4}, {kRed, kBlue, kBlue, kRed}},
        {"山", "阿阿", {25, 25, 12, 22}, {kBlue, kBlue, kYellow, kBlue}},
        {"悪", "娃", {1, 1, 12, 12}, {kRed, kRed, kYellow, kYellow}},
    };
    for (const auto& c : cases) {
        CMethodView* view = Open(c.surname, c.givenName, kElementMethodView);
        ASSERT_NE(view, nullptr);
        for (int r = 0; r < 4; ++r) ASSERT_EQ(view->record.elementPoints[r], c.points[r]) << c.surname;
        Painted painted(view);
        const POINT p = BoxCentre(view, kPerson);
        const POINT shafts[4] = {
            {p.x - 4, p.y - 60}, {p.x + 68, p.y - 2}, {p.x - 76, p.y - 2}, {p.x - 4, p.y + 57}};
        const RECT words[4] = {
            {p.x + 2, p.y - 68, p.x + 34, p.y - 50}, {p.x + 54, p.y - 24, p.x + 82, p.y - 6},
            {p.x - 84, p.y - 24, p.x - 50, p.y - 6}, {p.x + 2, p.y + 48, p.x + 36, p.y + 66}};
        for (int r = 0; r < 4; ++r) {
            EXPECT_EQ(painted.canvas.Pixel(shafts[r].x, shafts[r].y), c.arrows[r])
                << c.surname << " relation " << r;
            EXPECT_GT(CountColour(painted.canvas, words[r], c.arrows[r]), 10)
                << c.surname << " word " << r;
        }
    }
}

TEST_F(ElementMethodTest, LegendExplainsTheThreeColours) {
    CMethodView* view = Open("山田", "太郎", kElementMethodView);
    ASSERT_NE(view, nullptr);
    Painted painted(view);
    const COLORREF colours[3] = {kBlue, kRed, kYellow};
    for (int k = 0; k < 3; ++k) {
        const int y = 24 + 28 * k;
        EXPECT_EQ(painted.canvas.Pixel(40, y), colours[k]) << k;
        EXPECT_EQ(painted.canvas.Pixel(14, y - 5), colours[k]) << "arrow head " << k;
        EXPECT_GT(CountDark(painted.canvas, {66, y - 7, 140, y + 8}), 30) << k;
    }
}

// ---- yin and yang --------------------------------------------------------------

TEST_F(MethodViewTest, YinYangDiscsFollowTheStrokeParity) {
    const struct {
        const char* surname;
        const char* givenName;
        std::vector<bool> yang;
    } cases[] = {
        {"山田", "太郎", {true, true, false, true}},  // 3, 5, 4, 9
        {"ゐ", "一", {false, true}},                  // a missing character counts 0: yin
        {"闇磯嬰襖臆", "霞嚇橿轄竃", std::vector<bool>(10, true)},
    };
    for (const auto& c : cases) {
        CMethodView* view = Open(c.surname, c.givenName, kYinYangMethodView);
        ASSERT_NE(view, nullptr);
        Painted painted(view);
        for (size_t i = 0; i < c.yang.size(); ++i) {
            const int y = view->column.top[i];
            const COLORREF disc = c.yang[i] ? kWhite : kBlack;
            EXPECT_EQ(painted.canvas.Pixel(112, y + 19), disc) << c.surname << " " << i;
            EXPECT_EQ(painted.canvas.Pixel(128, y + 36), disc) << c.surname << " " << i;
            // The word is written across the disc in the other colour.
            const COLORREF ink = c.yang[i] ? kBlack : kWhite;
            EXPECT_GT(CountColour(painted.canvas, {118, y + 10, 138, y + 30}, ink), 15)
                << c.surname << " " << i;
        }
        test::CloseAllViews();
    }
}

// Below 35 red 凶, 35 to 65 yellow 小吉 moved left, 66 and more blue 吉.
TEST_F(MethodViewTest, YinYangWordFollowsTheScore) {
    const struct {
        const char* surname;
        const char* givenName;
        int score;
        COLORREF colour;
    } cases[] = {
        {"山", "田", 30, kRed},      {"山", "山井", 35, kYellow}, {"一一", "二一一", 65, kYellow},
        {"山", "井", 95, kBlue},     {"山田", "太郎", 100, kBlue},
    };
    for (const auto& c : cases) {
        CMethodView* view = Open(c.surname, c.givenName, kYinYangMethodView);
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(view->record.scores[2], c.score) << c.surname;
        Painted painted(view);
        const RECT word = {150, 110, 240, 146};
        EXPECT_GT(CountColour(painted.canvas, word, c.colour), 20) << c.surname;
        for (COLORREF other : {kRed, kYellow, kBlue}) {
            if (other == c.colour) continue;
            EXPECT_EQ(CountColour(painted.canvas, word, other), 0) << c.surname;
        }
        // The two-character word starts 12 pixels further left.
        const int left = CountColour(painted.canvas, {150, 110, 176, 146}, c.colour);
        if (c.colour == kYellow)
            EXPECT_GT(left, 5) << c.surname;
        else
            EXPECT_EQ(left, 0) << c.surname;
        // The sentence around it.
        EXPECT_GT(CountDark(painted.canvas, {156, 80, 264, 98}), 60) << c.surname;
        EXPECT_GT(CountDark(painted.canvas, {220, 120, 274, 138}), 30) << c.surname;
        test::CloseAllViews();
    }
}

// ---- same-stroke patterns --------------------------------------------------------

constexpr COLORREF kPatternColours[6] = {0xFF0000, 0x0000FF, 0xFF00FF, 0x00FF00, 0xFFFF00, 0x00FFFF};
constexpr int kPenalties[6] = {10, 10, 10, 15, 25, 30};

class SameStrokeMethodTest : public MethodViewTest {
protected:
    // The patterns whose colour is drawn over the diagram (left of the legend).
    static std::vector<int> LinkedPatterns(const test::CCanvas& canvas) {
        std::vector<int> linked;
        const RECT diagram = {0, 0, 218, canvas.Height()};
        for (int k = 0; k < 6; ++k)
            if (CountColour(canvas, diagram, kPatternColours[k]) > 0) linked.push_back(k);
        return linked;
    }
};

TEST_F(SameStrokeMethodTest, LinksMarkThePatternsThatHold) {
    const struct {
        const char* surname;
        const char* givenName;
        std::vector<int> patterns;
    } cases[] = {
        {"山田", "太郎", {}},
        {"林", "一", {5}},                  // Person and Outer grids 9 and 9
        {"一", "悪", {0, 1, 2, 4, 5}},      // 1 and 11 strokes; Heaven 1 and Earth 11
        {"家", "家", {0, 1, 2, 3, 4, 5}},  // every pattern: 0 points
        {"悪田", "太悪", {0}},              // first and last characters of 11 strokes
    };
    for (const auto& c : cases) {
        CMethodView* view = Open(c.surname, c.givenName, kSameStrokeMethodView);
        ASSERT_NE(view, nullptr);
        Painted painted(view);
        EXPECT_EQ(LinkedPatterns(painted.canvas), c.patterns) << c.surname;
        test::CloseAllViews();
    }
}

// Over names of every shape, the patterns drawn cost exactly the points the
// same-stroke score lacks.
TEST_F(SameStrokeMethodTest, DrawnLinksCostWhatTheScoreLacks) {
    const char* const surnames[] = {"山田", "佐々木", "悪田", "ゐ", "闇磯嬰襖臆"};
    const char* const givenNames[] = {"太郎", "一", "悪", "ゐ", "霞嚇橿轄竃"};
    for (const char* surname : surnames) {
        for (const char* givenName : givenNames) {
            CMethodView* view = Open(surname, givenName, kSameStrokeMethodView);
            ASSERT_NE(view, nullptr);
            const int score = view->record.scores[3];
            Painted painted(view);
            int cost = 0;
            for (int k : LinkedPatterns(painted.canvas)) cost += kPenalties[k];
            EXPECT_EQ(cost, 100 - score) << surname << " " << givenName;
            test::CloseAllViews();
        }
    }
}

// The links join the boxes of what they compare: 本同画 runs down the right
// of the stroke boxes from the first to the last character, 中同画 crosses
// the seam, 天地同画 runs down the right of the grid boxes.
TEST_F(SameStrokeMethodTest, LinksJoinTheBoxesTheyCompare) {
    CMethodView* view = Open("一", "悪", kSameStrokeMethodView);
    ASSERT_NE(view, nullptr);
    Painted painted(view);
    CGridDiagramGeometry g;
    LayOutGridDiagram(view->record, view->column, 82, 0, &g);
    const DiagramPoint* P = g.strokeBox;
    const DiagramPoint* Q = g.gridBox;
    // One character on each side: 本同画 from P(0) + 8 down to P(1) + 12.
    EXPECT_EQ(painted.canvas.Pixel(P[0].x + 35, (P[0].y + 8 + P[1].y + 12) / 2), kPatternColours[0]);
    EXPECT_EQ(painted.canvas.Pixel(P[0].x + 29, P[0].y + 12), kPatternColours[1]);
    EXPECT_EQ(painted.canvas.Pixel(P[0].x + 10, P[0].y + 30), kPatternColours[2]);
    EXPECT_EQ(painted.canvas.Pixel(P[1].x + 10, P[1].y - 5), kPatternColours[2]);
    EXPECT_EQ(painted.canvas.Pixel(Q[0].x + 34, (Q[0].y + Q[2].y) / 2 + 10), kPatternColours[4]);
    EXPECT_EQ(painted.canvas.Pixel(Q[0].x + 34, Q[2].y + 10), kPatternColours[4]);
}

TEST_F(SameStrokeMethodTest, LegendAndScore) {
    CMethodView* view = Open("林", "一", kSameStrokeMethodView);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->record.scores[3], 70);
    Painted painted(view);
    for (int k = 0; k < 6; ++k) {
        const int y = 25 + 28 * k;
        EXPECT_EQ(painted.canvas.Pixel(240, y), kPatternColours[k]) << k;
        EXPECT_GT(CountDark(painted.canvas, {264, y - 9, 340, y + 9}), 30) << k;
    }
    const RECT inside = {216, 224, 298, 256};
    auto showsScore = [&](int score) {
        const std::string text = Points(score);
        return LooksLike(painted.canvas, inside, [&](CDrawContext& dc) {
            dc.colour = kWhite;
            dc.DrawPanel(212, 220, 302, 260, 3);
            dc.SetFont("明朝", 30, 0, 1, 0, 0);
            dc.colour = kBlack;
            dc.DrawStringOn(216, 224, text.c_str(), kWhite);
        });
    };
    EXPECT_TRUE(showsScore(70));
    EXPECT_FALSE(showsScore(100));
    EXPECT_GT(CountDark(painted.canvas, {304, 232, 370, 256}), 40) << "/100点";
}

// ---- screenshots -------------------------------------------------------------------

TEST_F(MethodViewTest, SavesEveryMethodViewForTwoNames) {
    const test::CShownFrame shown;
    const struct {
        const char* surname;
        const char* givenName;
        const char* file;
    } names[] = {{"山田", "太郎", "yamada"}, {"闇磯嬰襖臆", "霞嚇橿轄竃", "long"}};
    const char* const kinds[] = {"stroke", "element", "yinyang", "samestroke"};
    for (const auto& name : names) {
        for (int kind = kStrokeMethodView; kind <= kSameStrokeMethodView; ++kind) {
            ASSERT_EQ(OpenView(name.surname, name.givenName, kind), 1);
            const std::string file =
                std::string("method_") + kinds[kind - kStrokeMethodView] + "_" + name.file + ".png";
            EXPECT_TRUE(shown.Snap(App().viewList->head->window, file));
            test::CloseAllViews();
        }
    }
}

}  // namespace
}  // namespace hoshikura
