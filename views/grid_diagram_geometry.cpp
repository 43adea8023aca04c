#include "grid_diagram_geometry.h"

namespace hoshikura {

namespace {

// Right-hand brackets (heaven, person, earth) relative to the stroke boxes'
// left edge; the outer bracket's columns relative to the character column.
constexpr int kTickStart = 24;
constexpr int kTickEnd = 32;
constexpr int kOuterJoin = -20;    // xC: where the outer bracket's ends meet
constexpr int kOuterSpine = -12;   // xE: verticals of the outer brackets
constexpr int kOuterTick = -4;     // xD: ticks start beside the characters

class CBracketPen {
public:
    explicit CBracketPen(CGridDiagramGeometry* geometry) : geometry_(geometry) {}

    void Line(int x1, int y1, int x2, int y2) {
        if (geometry_->bracketCount >= kMaxBracketLines) return;
        geometry_->brackets[geometry_->bracketCount++] = {x1, y1, x2, y2};
    }
    // Two ticks joined by a vertical at `spine`, ticks running from `tick`.
    void Bracket(int tick, int spine, int top, int bottom) {
        Line(tick, top, spine, top);
        Line(tick, bottom, spine, bottom);
        Line(spine, top, spine, bottom);
    }

private:
    CGridDiagramGeometry* geometry_;
};

int Clamp(int value, int low, int high) { return value < low ? low : (value > high ? high : value); }

// Heaven, person and earth: brackets on the right of the stroke boxes.
void LayOutRightBrackets(CGridDiagramGeometry* g, int S, int G, CBracketPen& pen) {
    const int n = S + G;
    const int px = g->strokeBox[0].x;
    auto py = [g](int i) { return g->strokeBox[i].y; };
    const int tick = px + kTickStart;
    const int spine = px + kTickEnd;
    if (S == 1) {
        pen.Line(tick, py(0) + 8, spine, py(0) + 8);
        g->gridBox[kHeaven].y = py(0) - 12;
    } else {
        pen.Bracket(tick, spine, py(0) + 11, py(S - 1) + 8);
        g->gridBox[kHeaven].y = (py(0) + py(S - 1) + 8 + 11) / 2 - 10;
    }
    pen.Bracket(tick, spine, py(S - 1) + 14, py(S) + 8);
    g->gridBox[kPerson].y = (py(S - 1) + py(S) + 8 + 11) / 2 - 4;
    if (G == 1) {
        pen.Line(tick, py(n - 1) + 14, spine, py(n - 1) + 14);
        g->gridBox[kEarth].y = py(n - 1) + 20;
    } else {
        pen.Bracket(tick, spine, py(S) + 14, py(n - 1) + 11);
        g->gridBox[kEarth].y = (py(S) + py(n - 1) + 11 + 11) / 2;
    }
    const int gridX = px + 39;
    g->gridBox[kHeaven].x = g->gridBox[kPerson].x = g->gridBox[kEarth].x = gridX;
}

// Outer: on the left of the column, over the characters the outer grid counts.
void LayOutOuterBracket(CGridDiagramGeometry* g, int x, int S, int G, CBracketPen& pen) {
    const int n = S + G;
    const int join = x + kOuterJoin;
    const int spine = x + kOuterSpine;
    const int tick = x + kOuterTick;
    auto m = [g](int i) { return g->character[i].y + 20; };
    if (S <= 2 && G <= 2) {
        pen.Bracket(tick, spine, m(0), m(n - 1));
        return;
    }
    int top;
    if (S <= 2) {
        top = m(0);
        pen.Line(tick, top, join, top);
    } else {
        pen.Bracket(tick, spine, m(0), m(S - 2));
        top = (m(0) + m(S - 2)) / 2;
        pen.Line(spine, top, join, top);
    }
    int bottom;
    if (G > 2) {
        pen.Bracket(tick, spine, m(S + 1), m(n - 1));
        bottom = (m(S + 1) + m(n - 1)) / 2;
        pen.Line(spine, bottom, join, bottom);
    } else {
        bottom = m(n - 1);
        pen.Line(tick, bottom, join, bottom);
    }
    pen.Line(join, top, join, bottom);
}

}  // namespace

void LayOutGridDiagram(const CNameRecord& record, const CColumnLayout& column, int32_t x,
                       int32_t dy, CGridDiagramGeometry* geometry) {
    CGridDiagramGeometry& g = *geometry;
    g = CGridDiagramGeometry{};
    const int S = Clamp(record.surnameLength, 0, kDiagramRows);
    const int G = Clamp(record.givenLength, 0, kDiagramRows - S);
    const int n = S + G;
    g.characterCount = n;
    for (int i = 0; i < n; ++i) {
        g.character[i] = {x, column.top[i] + dy};
        g.strokeBox[i] = {x + 44, column.top[i] + dy + 9};
    }
    if (S == 0 || G == 0) return;

    CBracketPen pen(&g);
    LayOutRightBrackets(&g, S, G, pen);
    LayOutOuterBracket(&g, x, S, G, pen);
    const int first = g.character[0].y;
    const int last = g.character[n - 1].y;
    g.gridBox[kOuter] = {x - 48, (first + last) / 2 + 8};
    g.gridBox[kTotal] = {x - 64, n > 6 ? last + 8 : last + 32};
}

}  // namespace hoshikura
