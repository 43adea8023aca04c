// The two method windows that judge the name character by character: yin
// and yang (陰陽) and same-stroke patterns (同画), both beside the name's
// column of the grid diagram.
#include "colours.h"
#include "grid_diagram.h"
#include "judge.h"
#include "method_paint.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

// ---- yin and yang ---------------------------------------------------------

constexpr int kYinYangColumnX = 32;

void DrawParities(CDrawContext& dc, const CNameRecord& record, const CGridDiagramGeometry& geometry) {
    dc.SetFont({"明朝", 20});
    // Only the characters the score counted get a disc: the run ends before
    // a character the stroke table lacks.
    int32_t parity[kMaxCharacters];
    const int run = TheJudge().YinYangRun(record, parity);
    for (int i = 0; i < geometry.characterCount && i < kDiagramRows && i < run; ++i) {
        const int y = geometry.character[i].y;
        // An odd count is yang, white; an even one yin, black.
        const bool yang = parity[i] != 0;
        const COLORREF disc = yang ? kWhite : kBlack;
        dc.colour = disc;
        dc.DrawDisc(128, y + 19, 20);
        dc.colour = yang ? kBlack : kWhite;
        dc.DrawStringOn(118, y + 10, yang ? "陽" : "陰", disc);
    }
}

struct ScoreWord {
    const char* text;
    COLORREF colour;
    int shift;  // the two-character word stands further left
};

ScoreWord YinYangWord(int32_t score) {
    const int32_t luck = CJudge::YinYangLuck(score);
    if (luck <= kUnlucky) return {"凶", kRed, 0};
    if (luck == kSlightlyLucky) return {"小吉", kYellow, 12};
    return {"吉", kBlue, 0};
}

// ---- same-stroke patterns -------------------------------------------------

constexpr int kSameStrokeColumnX = 82;
// Line colour of each pattern, in pattern order.
constexpr COLORREF kPatternColours[kSameStrokePatterns] = {0xFF0000, 0x0000FF, 0xFF00FF,
                                                           0x00FF00, 0xFFFF00, 0x00FFFF};

void DrawPatternLegend(const MethodCanvas& canvas) {
    CDrawContext& dc = canvas.dc;
    dc.SetFont({"ゴシック", 18, kBold});
    dc.penWidth = 5;
    for (int k = 0; k < kSameStrokePatterns; ++k) {
        const int y = 25 + 28 * k;
        dc.colour = kPatternColours[k];
        dc.DrawLine(224, y, 256, y);
        dc.colour = kBlack;
        dc.DrawStringOn(264, y - 9, SameStrokePatternName(k), canvas.background);
    }
}

// A path of up to four points.
struct Link {
    DiagramPoint points[4];
    int count;
};

DiagramPoint Offset(DiagramPoint p, int dx, int dy) { return {p.x + dx, p.y + dy}; }

// The link of pattern k over the diagram: stroke boxes P for the three
// character patterns, grid boxes Q for the three grid patterns.
Link LinkOf(const CGridDiagramGeometry& g, int S, int k) {
    const int n = g.characterCount;
    const DiagramPoint* P = g.strokeBox;
    const DiagramPoint* Q = g.gridBox;
    switch (k) {
    case kFirstAndLast:  // along the right of the stroke boxes
        return {{Offset(P[0], 24, 8), {P[0].x + 35, P[0].y + 8}, {P[0].x + 35, P[n - 1].y + 12},
                 Offset(P[n - 1], 24, 12)},
                4};
    case kBothHeads:
        return {{Offset(P[0], 24, 12), {P[0].x + 30, P[0].y + 12}, {P[0].x + 30, P[S].y + 8},
                 Offset(P[S], 24, 8)},
                4};
    case kAcrossSeam:
        return {{Offset(P[S - 1], 10, 25), Offset(P[S], 10, -3)}, 2};
    case kHeavenAndOuter:
        return {{Offset(Q[kHeaven], -3, 10), Offset(Q[kOuter], 24, 10)}, 2};
    case kHeavenAndEarth:  // round the right of the grid boxes
        return {{Offset(Q[kHeaven], 24, 10), {Q[kHeaven].x + 34, Q[kHeaven].y + 10},
                 {Q[kHeaven].x + 34, Q[kEarth].y + 10}, Offset(Q[kEarth], 24, 10)},
                4};
    default:  // kPersonAndOuter
        return {{Offset(Q[kPerson], -3, 10), Offset(Q[kOuter], 24, 10)}, 2};
    }
}

void DrawPatternLinks(CDrawContext& dc, const CNameRecord& record, const CGridDiagramGeometry& geometry) {
    const int S = record.surnameLength;
    // Without a character on both sides of the seam there are no boxes to join.
    if (S < 1 || geometry.characterCount <= S) return;
    dc.penWidth = 3;
    for (int k = 0; k < kSameStrokePatterns; ++k) {
        if (!SameStrokePatternHolds(record, k)) continue;
        const Link link = LinkOf(geometry, S, k);
        dc.colour = kPatternColours[k];
        for (int i = 1; i < link.count; ++i)
            dc.DrawLine(link.points[i - 1].x, link.points[i - 1].y, link.points[i].x, link.points[i].y);
    }
}

void DrawSameStrokeScore(const MethodCanvas& canvas, int32_t score) {
    CDrawContext& dc = canvas.dc;
    dc.SetFont({"明朝", 30, kBold});
    dc.colour = kWhite;
    dc.DrawPanel(212, 220, 302, 260, 3);
    dc.colour = kBlack;
    char text[16];
    FormatText(text, sizeof text, "%3d点", static_cast<int>(score));
    dc.DrawStringOn(216, 224, text, kWhite);
    dc.SetFont({"明朝", 22});
    dc.DrawStringOn(304, 232, "/100点", canvas.background);
}

}  // namespace

void PaintYinYangMethod(const MethodCanvas& canvas, const CNameRecord& record) {
    CDrawContext& dc = canvas.dc;
    const CGridDiagramGeometry geometry =
        DrawGridDiagram(dc, record, canvas.column, kDiagramStrokes, kYinYangColumnX);
    DrawParities(dc, record, geometry);
    dc.SetFont({"明朝", 18});
    dc.colour = kBlack;
    dc.DrawStringOn(156, 80, "陰陽の配列は", canvas.background);
    dc.DrawStringOn(220, 120, "です。", canvas.background);
    const ScoreWord word = YinYangWord(record.scores[kYinYangMethod]);
    dc.SetFont({"明朝", 24, kBold});
    dc.colour = word.colour;
    dc.DrawStringOn(176 - word.shift, 116, word.text, canvas.background);
}

void PaintSameStrokeMethod(const MethodCanvas& canvas, const CNameRecord& record) {
    const CGridDiagramGeometry geometry =
        DrawGridDiagram(canvas.dc, record, canvas.column, kDiagramGridBoxes, kSameStrokeColumnX);
    DrawPatternLegend(canvas);
    DrawPatternLinks(canvas.dc, record, geometry);
    DrawSameStrokeScore(canvas, record.scores[kSameStrokeMethod]);
}

}  // namespace hoshikura
