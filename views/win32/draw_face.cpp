// The face: a circle, brows, eyes and a mouth that go from crossed-out and
// frowning (level 0) to laughing (level 6).
#include "draw_face.h"

#include <initializer_list>

#include "colours.h"
#include "draw_context.h"

namespace hoshikura {

namespace {

// u(k) of the pictogram: k hundredths of the size, truncated.
int Unit(int k, int size) { return static_cast<int>(k * (size * 0.01)); }

int Part(double fraction, int length) { return static_cast<int>(fraction * length); }

// The square around a circle of radius r centred on (x, y).
RECT Around(int x, int y, int r) { return {x - r, y - r, x + r, y + r}; }

void DrawBrows(CDrawContext& dc, int cx, int cy, int size, int level) {
    auto u = [size](int k) { return Unit(k, size); };
    if (level == 1 || level == 2) {
        // Slanted, inner ends high: a worried look.
        dc.DrawLine(cx + u(15), cy - u(45) - u(10), cx + u(15) + u(55), cy - u(45) + u(10));
        dc.DrawLine(cx - u(15), cy - u(45) - u(10), cx - u(15) - u(55), cy - u(45) + u(10));
    } else if (level == 3 || level == 4) {
        dc.DrawLine(cx + u(15), cy - u(50), cx + u(15) + u(55), cy - u(50));
        dc.DrawLine(cx - u(10), cy - u(50), cx - u(10) - u(55), cy - u(50));
    } else if (level == 5 || level == 6) {
        // Arched: the upper quarter of a circle over each eye.
        int r = u(40);
        for (int side : {1, -1}) {
            int x = cx + side * u(40);
            int y = cy - u(10);
            dc.DrawArc(Around(x, y, r), {x + r, y - r}, {x - r, y - r});
        }
    }
}

void DrawMouth(CDrawContext& dc, int cx, int cy, int size, int level) {
    auto u = [size](int k) { return Unit(k, size); };
    if (level == 0 || level == 1) {
        int l = u(80);
        int y = cy + u(120);
        dc.DrawArc(Around(cx, y, l), {cx + Part(0.8, l), y - l}, {cx - Part(0.8, l), y - l});
    } else if (level == 2 || level == 3) {
        dc.DrawLine(cx - u(50), cy + u(50), cx + u(50), cy + u(50));
    } else if (level == 4 || level == 5) {
        int e = level == 4 ? u(150) : u(100);
        int y = level == 4 ? cy - u(90) : cy - u(35);
        double spread = level == 4 ? 0.4 : 0.8;
        dc.DrawArc(Around(cx, y, e), {cx - Part(spread, e), y + e}, {cx + Part(spread, e), y + e});
    } else if (level == 6) {
        // The open mouth is filled in the drawing colour: a fill in the page's
        // own colour would print as a bare outline.
        int l = u(80);
        dc.DrawChord(Around(cx, cy, l), {cx - l, cy + Part(0.4, l)}, {cx + l, cy + Part(0.4, l)});
    }
}

void DrawEyes(CDrawContext& dc, int cx, int cy, int size) {
    int r = Unit(8, size);
    if (r == 0) r = 1;
    dc.DrawDisc(cx + Unit(40, size), cy - Unit(10, size), r);
    dc.DrawDisc(cx - Unit(40, size), cy - Unit(10, size), r);
}

}  // namespace

void DrawFace(CDrawContext& dc, int cx, int cy, int size, int level) {
    dc.colour = kBlack;
    dc.DrawCircle(cx, cy, Unit(100, size));
    DrawBrows(dc, cx, cy, size, level);
    DrawMouth(dc, cx, cy, size, level);
    if (level == 0) {
        // Crossed-out eyes.
        int y0 = cy - Unit(20, size);
        dc.DrawLine(cx - Unit(70, size), y0 - Unit(15, size), cx + Unit(70, size),
                    y0 + Unit(15, size));
        dc.DrawLine(cx - Unit(70, size), y0 + Unit(15, size), cx + Unit(70, size),
                    y0 - Unit(15, size));
    } else {
        DrawEyes(dc, cx, cy, size);
    }
}

}  // namespace hoshikura
