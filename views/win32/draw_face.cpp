// The face pictogram that pictures a rating on the printed page: a circle,
// brows, eyes and a mouth that go from crossed-out and frowning (level 0) to
// laughing (level 6). Every coordinate goes through the scaled operations.
#include "draw_context.h"

#include <initializer_list>

namespace hoshikura {

namespace {

// u(k) of the pictogram: k hundredths of the size, truncated.
int Unit(int k, int size) { return static_cast<int>(k * (size * 0.01)); }

int Part(double fraction, int length) { return static_cast<int>(fraction * length); }

}  // namespace

void CDrawContext::DrawFaceBrows(int cx, int cy, int size, int level) {
    auto u = [size](int k) { return Unit(k, size); };
    if (level == 1 || level == 2) {
        // Slanted, inner ends high: a worried look.
        DrawLineScaled(cx + u(15), cy - u(45) - u(10), cx + u(15) + u(55), cy - u(45) + u(10));
        DrawLineScaled(cx - u(15), cy - u(45) - u(10), cx - u(15) - u(55), cy - u(45) + u(10));
    } else if (level == 3 || level == 4) {
        DrawLineScaled(cx + u(15), cy - u(50), cx + u(15) + u(55), cy - u(50));
        DrawLineScaled(cx - u(10), cy - u(50), cx - u(10) - u(55), cy - u(50));
    } else if (level == 5 || level == 6) {
        // Arched: the upper quarter of a circle over each eye.
        int r = u(40);
        for (int side : {1, -1}) {
            int x = cx + side * u(40);
            int y = cy - u(10);
            ArcScaled(dc_, x - r, y - r, x + r, y + r, x + r, y - r, x - r, y - r);
        }
    }
}

void CDrawContext::DrawFaceMouth(int cx, int cy, int size, int level) {
    auto u = [size](int k) { return Unit(k, size); };
    if (level == 0 || level == 1) {
        int l = u(80);
        int y = cy + u(120);
        ArcScaled(dc_, cx - l, y - l, cx + l, y + l, cx + Part(0.8, l), y - l, cx - Part(0.8, l),
                  y - l);
    } else if (level == 2 || level == 3) {
        DrawLineScaled(cx - u(50), cy + u(50), cx + u(50), cy + u(50));
    } else if (level == 4 || level == 5) {
        int e = level == 4 ? u(150) : u(100);
        int y = level == 4 ? cy - u(90) : cy - u(35);
        double spread = level == 4 ? 0.4 : 0.8;
        ArcScaled(dc_, cx - e, y - e, cx + e, y + e, cx - Part(spread, e), y + e,
                  cx + Part(spread, e), y + e);
    } else if (level == 6) {
        // The open mouth is filled in the drawing colour: a fill in the page's
        // own colour would print as a bare outline.
        int l = u(80);
        HBRUSH fill = CreateSolidBrush(colour);
        HGDIOBJ previous = SelectObject(dc_, fill);
        ChordScaled(dc_, cx - l, cy - l, cx + l, cy + l, cx - l, cy + Part(0.4, l), cx + l,
                    cy + Part(0.4, l));
        SelectObject(dc_, previous);
        DeleteObject(fill);
    }
}

void CDrawContext::DrawFaceEyes(int cx, int cy, int size) {
    int r = Unit(8, size);
    if (r == 0) r = 1;
    DrawDiscScaled(cx + Unit(40, size), cy - Unit(10, size), r);
    DrawDiscScaled(cx - Unit(40, size), cy - Unit(10, size), r);
}

void CDrawContext::DrawFace(int cx, int cy, int size, int level) {
    if (!dc_) return;
    colour = 0;
    HPEN pen = NewPen();
    HGDIOBJ previous = SelectObject(dc_, pen);
    DrawCircleScaled(cx, cy, Unit(100, size));
    DrawFaceBrows(cx, cy, size, level);
    DrawFaceMouth(cx, cy, size, level);
    if (level == 0) {
        // Crossed-out eyes.
        int y0 = cy - Unit(20, size);
        DrawLineScaled(cx - Unit(70, size), y0 - Unit(15, size), cx + Unit(70, size),
                       y0 + Unit(15, size));
        DrawLineScaled(cx - Unit(70, size), y0 + Unit(15, size), cx + Unit(70, size),
                       y0 - Unit(15, size));
    } else {
        DrawFaceEyes(cx, cy, size);
    }
    SelectObject(dc_, previous);
    DeleteObject(pen);
}

}  // namespace hoshikura
