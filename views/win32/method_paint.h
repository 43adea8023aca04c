// The drawings of the four method detail windows, one per method, through
// the paint's drawing context.
#pragma once

#include <windows.h>

#include "draw_context.h"
#include "grid_diagram_geometry.h"
#include "name_record.h"

namespace hoshikura {

struct MethodCanvas {
    CDrawContext& dc;
    COLORREF background;  // the window's face colour, under text on the window
    int width;            // window size, for the parts placed relative to it
    int height;
    const CColumnLayout& column;  // where the name's characters stand
};

// Grid by grid: number, points and a bar, and the sum, the stroke score.
void PaintStrokeMethod(const MethodCanvas& canvas, const CNameRecord& record);
// The five grids' elements and how the Person grid's element stands to the others.
void PaintElementMethod(const MethodCanvas& canvas, const CNameRecord& record);
// Each character yin or yang, and the word for the yin-yang score.
// (The record's grids may be reduced for the diagram's boxes.)
void PaintYinYangMethod(const MethodCanvas& canvas, const CNameRecord& record);
// The diagram with a link for every same-stroke pattern, and the score.
void PaintSameStrokeMethod(const MethodCanvas& canvas, const CNameRecord& record);

}  // namespace hoshikura
