// The column of a name's characters with their stroke counts, the five grid
// boxes and the brackets that show which characters each grid adds up.
// Drawn by the judgement view, the method views and the printed page.
#pragma once

#include <windows.h>

#include <cstdint>

#include "grid_diagram_geometry.h"
#include "name_record.h"

namespace hoshikura {

class CDrawContext;

enum DiagramMode {
    kDiagramStrokes = 0,    // characters and stroke counts
    kDiagramGridBoxes = 1,  // and the five grid boxes with their labels
    kDiagramBrackets = 2,   // and the bracket lines
};

// Lays out the column of the record's characters for a window
// with the given caption height, and returns the height of a window whose
// height follows the name. Names of up to six characters get 320 pixels,
// longer ones a box more per character; the column is moved down (and the
// window made taller by as much) when a label would start above the window.
int32_t LayOutCharacters(const CNameRecord& record, int captionHeight, CColumnLayout* column);

// The faces, heights and offsets of the column's text, in the drawing
// context's units: pixels on the screen, page units on the printed page.
struct DiagramStyle {
    const char* characterFace;
    int characterHeight;
    int characterInset;   // character text from the box's top-left corner
    const char* digitFace;
    int digitHeight;
    int digitTop;         // stroke digits below the character box's top
    const char* gridFace; // grid values and grid labels
    int gridHeight;
};
extern const DiagramStyle kScreenDiagramStyle;
extern const DiagramStyle kPageDiagramStyle;

// Draws the column at x with its characters at column's tops moved down by
// yShift, through the drawing context of the window's or page's DC. The
// grid boxes show the number each grid counts as.
// Returns where everything stands (the stroke boxes P(i) and grid boxes Q(g)
// that the same-stroke view draws its links on).
CGridDiagramGeometry DrawGridDiagram(CDrawContext& dc, const CNameRecord& record,
                                     const CColumnLayout& column, int mode, int x,
                                     const DiagramStyle& style = kScreenDiagramStyle,
                                     int yShift = 0);

}  // namespace hoshikura
