// The two method windows that judge the five grid numbers: stroke-number
// luck (画数) and the five elements (五行).
#include "colours.h"
#include "dpi.h"
#include "judge.h"
#include "method_paint.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

// ---- stroke numbers -------------------------------------------------------

constexpr int kStrokeRowStep = 30;
// A grid number's text must end before the points panel at x 116.
constexpr int kGridNumberRoom = 116 - 56 - 2;
constexpr int kSmallestFitted = 9;

struct StrokeRows {
    int32_t points[kGridCount];
    int32_t total;
};

// Each grid's points as the stroke score counts them, so that the rows add
// up to the score the judgement shows. A grid below 1 makes the score -1,
// and the sum shows that too.
StrokeRows StrokeRowsOf(const CNameRecord& record) {
    const CJudge& judge = TheJudge();
    StrokeRows rows{};
    for (int g = 0; g < kGridCount; ++g) {
        const int32_t grid = record.grids[g];
        rows.points[g] = grid < 1 ? 0 : judge.StrokePoints(g, grid);
    }
    rows.total = judge.StrokeScore(record);
    return rows;
}

// Red for few points, through purple to blue for many.
COLORREF StrokeBarColour(int32_t points) {
    int v = static_cast<int>((points - 20) * 3.1875);
    if (v < 0) v = 0;
    if (v > 255) v = 255;
    return static_cast<COLORREF>((255 - v) + v * 65536);
}

// Draws a text at (x, y) that must end within `room` pixels: a text too
// wide for the current font (a grid of three digits) is set smaller instead
// of running into what stands to its right. The font height is kept.
void DrawFitted(CDrawContext& dc, int x, int y, const char* text, int room,
                COLORREF background) {
    const FontSpec kept = dc.Font();
    FontSpec fitted = kept;
    while (fitted.height > kSmallestFitted && dc.TextWidth(fitted, text) > room) --fitted.height;
    dc.SetFont(fitted);
    dc.DrawStringOn(x, y, text, background);
    dc.SetFont(kept);
}

void DrawGridNumber(CDrawContext& dc, int y, int32_t grid, COLORREF background) {
    char text[16];
    FormatText(text, sizeof text, "[%2d画]", static_cast<int>(grid));
    DrawFitted(dc, 56, y, text, kGridNumberRoom, background);
}

void DrawStrokeRow(CDrawContext& dc, int g, int32_t points) {
    const int top = kStrokeRowStep * g;
    char text[16];
    FormatText(text, sizeof text, "%3d点", static_cast<int>(points));
    dc.colour = kBlack;
    dc.DrawStringOn(120, 16 + top, text, kWhite);
    // A shadow first, then the bar four pixels up and left of it.
    dc.DrawBox(178, 19 + top, 178 + points, 37 + top);
    dc.colour = StrokeBarColour(points);
    dc.DrawBox(174, 15 + top, 174 + points, 33 + top);
}

void DrawStrokeTotal(const MethodCanvas& canvas, int32_t total) {
    CDrawContext& dc = canvas.dc;
    dc.DrawEtchedLine(8, 170, canvas.width - 32);
    dc.SetFont({"ゴシック", 25, kBold});
    dc.colour = kBlack;
    dc.DrawStringOn(126, 188, "合計得点", canvas.background);
    dc.colour = kWhite;
    dc.DrawPanel(234, 182, 324, 222, 1);
    dc.SetFont({"ＭＳ Ｐ明朝", 30});
    dc.colour = kBlack;
    char text[16];
    FormatText(text, sizeof text, "%3d点", static_cast<int>(total));
    dc.DrawStringOn(242, 186, text, kWhite);
}

// ---- five elements --------------------------------------------------------

constexpr COLORREF kElementColours[5] = {0x99FF99, 0x6666FF, 0x33CCFF, 0x99FFFF, 0xFFFFCC};
constexpr COLORREF kElementText = 0x800000;
constexpr int kElementStep = 144;  // from the Person box to the Earth and Outer boxes
constexpr int kElementRise = 120;  // from the Person box to the Heaven and Total boxes
// The grid number ends before the element's name at x - 3.
constexpr int kElementNumberRoom = 37 - 3 - 1;

// The element box of grid g centred near (x, y).
void DrawElementBox(const MethodCanvas& canvas, int x, int y, int g, int32_t value) {
    CDrawContext& dc = canvas.dc;
    const int32_t element = ElementOf(value);
    const COLORREF box = kElementColours[element >= 0 && element < 5 ? element : 0];
    dc.colour = box;
    dc.DrawPanel(x - 42, y - 26, x + 35, y + 20, 1);
    dc.SetFont({"ゴシック", 18, kBold});
    dc.colour = kBlack;
    dc.DrawStringOn(x - 23, y - 20, GridName(g), box);
    char text[16];
    dc.SetFont({"ゴシック", 16, kBold});
    dc.colour = kElementText;
    FormatText(text, sizeof text, "(%s)", ElementWord(element));
    dc.DrawStringOn(x - 3, y, text, box);
    dc.SetFont({"ゴシック", 15});
    FormatText(text, sizeof text, "%2d画", static_cast<int>(value));
    DrawFitted(dc, x - 37, y, text, kElementNumberRoom, box);
}

struct Legend {
    COLORREF colour;
    const char* text;
};

void DrawElementLegend(const MethodCanvas& canvas) {
    constexpr Legend kRows[3] = {{kBlue, "相生(吉)"}, {kRed, "相剋(凶)"}, {kYellow, "比和(小吉)"}};
    CDrawContext& dc = canvas.dc;
    dc.penWidth = 5;
    dc.SetFont({"ゴシック", 14, kBold});
    for (int k = 0; k < 3; ++k) {
        const int y = 24 + 28 * k;
        dc.colour = kRows[k].colour;
        dc.DrawLine(8, y, 58, y);
        dc.DrawLine(8, y, 18, y - 8);
        dc.DrawLine(8, y, 18, y + 8);
        dc.colour = kBlack;
        dc.DrawStringOn(66, y - 7, kRows[k].text, canvas.background);
    }
}

// How a link is drawn, by its luck.
Legend LinkLook(int32_t luck) {
    if (luck >= kLucky) return {kBlue, "吉"};
    if (luck <= kUnlucky) return {kRed, "凶"};
    return {kYellow, "小吉"};
}

struct Segment {
    int x1, y1, x2, y2;
};

// Arrow lines and word position of each relation, relative to the Person
// box's centre, in elementPoints order.
struct RelationShape {
    Segment lines[5];
    int lineCount;
    int wordX, wordY;
};

constexpr RelationShape kRelationShapes[kElementLinks] = {
    // person - heaven: up
    {{{-4, -32, -4, -94}, {-14, -82, -4, -94}, {6, -82, -4, -94}}, 3, 2, -68},
    // person - earth: right
    {{{40, -2, 96, -2}, {96, -2, 84, -12}, {96, -2, 84, 8}}, 3, 54, -24},
    // outer -> person: the arrow points out to the Outer box
    {{{-48, -2, -104, -2}, {-92, -12, -104, -2}, {-92, 8, -104, -2}}, 3, -84, -24},
    // person - total: both ways
    {{{-4, 26, -4, 88}, {-4, 26, -14, 38}, {-4, 26, 6, 38}, {-14, 76, -4, 88}, {6, 76, -4, 88}},
     5, 2, 48},
};

void DrawRelations(const MethodCanvas& canvas, const CNameRecord& record, int cx, int cy) {
    CDrawContext& dc = canvas.dc;
    dc.SetFont({"ゴシック", 16, kBold});
    dc.penWidth = 7;
    for (int r = 0; r < kElementLinks; ++r) {
        const Legend look = LinkLook(TheJudge().ElementLinkOf(record, r).luck);
        const RelationShape& shape = kRelationShapes[r];
        dc.colour = look.colour;
        for (int i = 0; i < shape.lineCount; ++i) {
            const Segment& s = shape.lines[i];
            dc.DrawLine(cx + s.x1, cy + s.y1, cx + s.x2, cy + s.y2);
        }
        dc.DrawStringOn(cx + shape.wordX, cy + shape.wordY, look.text, canvas.background);
    }
}

}  // namespace

void PaintStrokeMethod(const MethodCanvas& canvas, const CNameRecord& record) {
    CDrawContext& dc = canvas.dc;
    dc.SetFont({"ゴシック", 18, kBold});
    dc.penWidth = 1;
    dc.colour = kBlack;
    for (int g = 0; g < kGridCount; ++g)
        dc.DrawStringOn(16, 16 + kStrokeRowStep * g, GridName(g), canvas.background);
    dc.SetFont({"ゴシック", 18});
    for (int g = 0; g < kGridCount; ++g)
        DrawGridNumber(dc, 16 + kStrokeRowStep * g, record.grids[g], canvas.background);
    dc.colour = kWhite;
    for (int g = 0; g < kGridCount; ++g)
        dc.DrawPanel(116, 12 + kStrokeRowStep * g, 170, 38 + kStrokeRowStep * g, 1);
    dc.SetFont({"ゴシック", 17});
    const StrokeRows rows = StrokeRowsOf(record);
    for (int g = 0; g < kGridCount; ++g) DrawStrokeRow(dc, g, rows.points[g]);
    DrawStrokeTotal(canvas, rows.total);
}

void PaintElementMethod(const MethodCanvas& canvas, const CNameRecord& record) {
    const int cx = canvas.width / 2;
    const int cy = (canvas.height - MetricForDpi(SM_CYCAPTION, kDesignDpi)) / 2;
    canvas.dc.penWidth = 1;
    DrawElementBox(canvas, cx, cy - kElementRise, kHeaven, record.grids[kHeaven]);
    DrawElementBox(canvas, cx, cy, kPerson, record.grids[kPerson]);
    DrawElementBox(canvas, cx + kElementStep, cy, kEarth, record.grids[kEarth]);
    DrawElementBox(canvas, cx - kElementStep, cy, kOuter, record.grids[kOuter]);
    DrawElementBox(canvas, cx, cy + kElementRise, kTotal, record.grids[kTotal]);
    DrawElementLegend(canvas);
    DrawRelations(canvas, record, cx, cy);
}

}  // namespace hoshikura
