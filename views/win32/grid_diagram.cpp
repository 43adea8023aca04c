#include "grid_diagram.h"

#include <cstring>

#include "colours.h"
#include "draw_context.h"
#include "judge.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

constexpr int kBoxStep = 44;          // from one character box to the next
constexpr int kLabelRise = 18;        // grid label above its box
constexpr int kShortWindowHeight = 320;
constexpr int kTwoDigits = 10;

int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

struct ColumnShape {
    int surname;  // S
    int given;    // G
    int count;    // n
};

// As many characters as the column has rows, surname first (as the geometry
// counts them).
ColumnShape ShapeOf(const CNameRecord& record) {
    const int surname = Clamp(record.surnameLength, 0, kDiagramRows);
    const int given = Clamp(record.givenLength, 0, kDiagramRows - surname);
    return {surname, given, surname + given};
}

// The two bytes of shown position i, or "" past the end of its text.
void CharacterAt(const CNameRecord& record, const ColumnShape& shape, int i, char (&out)[3]) {
    const char* text = i < shape.surname ? record.surname : record.givenName;
    const int index = i < shape.surname ? i : i - shape.surname;
    const std::size_t offset = static_cast<std::size_t>(index) * 2;
    out[0] = '\0';
    if (offset + 2 > std::strlen(text)) return;
    out[0] = text[offset];
    out[1] = text[offset + 1];
    out[2] = '\0';
}

void DrawCharacters(CDrawContext& dc, const CNameRecord& record, const ColumnShape& shape,
                    const DiagramStyle& style, const CGridDiagramGeometry& geometry) {
    dc.colour = kWhite;
    dc.penWidth = 1;
    for (int i = 0; i < shape.count; ++i) {
        const DiagramPoint c = geometry.character[i];
        const DiagramPoint p = geometry.strokeBox[i];
        dc.DrawPanel(c.x, c.y, c.x + kDiagramCharacterBox, c.y + kDiagramCharacterBox, 1);
        dc.DrawPanel(p.x, p.y, p.x + kDiagramBoxSize, p.y + kDiagramBoxSize, 1);
    }
    dc.colour = kBlack;
    dc.SetFont({style.characterFace, style.characterHeight});
    for (int i = 0; i < shape.count; ++i) {
        char character[3];
        CharacterAt(record, shape, i, character);
        const DiagramPoint c = geometry.character[i];
        dc.DrawString(c.x + style.characterInset, c.y + style.characterInset, character);
    }
    dc.SetFont({style.digitFace, style.digitHeight});
    for (int i = 0; i < shape.count; ++i) {
        // strokes holds the surname's counts, then the given name's.
        const int32_t strokes = record.StrokeAt(i);
        char digits[12];
        FormatText(digits, sizeof digits, "%d", static_cast<int>(strokes));
        const DiagramPoint c = geometry.character[i];
        dc.DrawString(c.x + (strokes >= kTwoDigits ? 48 : 52), c.y + style.digitTop, digits);
    }
}

void DrawBrackets(CDrawContext& dc, const CGridDiagramGeometry& geometry) {
    dc.penWidth = 3;
    dc.colour = kBlack;
    for (int i = 0; i < geometry.bracketCount && i < kMaxBracketLines; ++i) {
        const DiagramLine& line = geometry.brackets[i];
        dc.DrawLine(line.x1, line.y1, line.x2, line.y2);
    }
}

void DrawGridBoxes(CDrawContext& dc, const CNameRecord& record, const DiagramStyle& style,
                   const CGridDiagramGeometry& geometry) {
    dc.SetFont({style.gridFace, style.gridHeight});
    dc.penWidth = 1;
    for (int g = 0; g < kGridCount; ++g) {
        const DiagramPoint q = geometry.gridBox[g];
        dc.colour = kWhite;
        dc.DrawPanel(q.x, q.y, q.x + kDiagramBoxSize, q.y + kDiagramBoxSize, 1);
        // Two digits fit the box: it holds the number the grid counts as.
        const int32_t shown = CountedNumber(record.grids[g]);
        char digits[12];
        FormatText(digits, sizeof digits, "%d", static_cast<int>(shown));
        dc.colour = kBlack;
        dc.DrawString(q.x + (shown >= kTwoDigits ? 3 : 7), q.y + 3, digits);
    }
    const COLORREF background = GetSysColor(COLOR_BTNFACE);
    for (int g = 0; g < kGridCount; ++g) {
        const DiagramPoint q = geometry.gridBox[g];
        const int left = q.x - (g == kOuter ? 6 : 2);
        dc.DrawStringOn(left, q.y - kLabelRise, GridName(g), background);
    }
}

}  // namespace

const DiagramStyle kScreenDiagramStyle = {"明朝", 32, 3, "ゴシック", 16, 12, "ゴシック", 16};
const DiagramStyle kPageDiagramStyle = {"明朝", 30, 5, "明朝", 15, 13, "明朝", 16};

int32_t LayOutCharacters(const CNameRecord& record, int captionHeight, CColumnLayout* column) {
    const ColumnShape shape = ShapeOf(record);
    const int n = shape.count;
    int base = 4;
    int givenMove = 8;
    int surnameMove = 0;
    int32_t height = kShortWindowHeight;
    if (n <= 4) {
        base = (132 - captionHeight) / 2 - 8;
        // The given name ends at the same height whatever the length.
        givenMove = 192 - kBoxStep * n;
        if (n == 4 && (shape.surname == 1 || shape.surname == 3)) {
            surnameMove = -6;
            givenMove += 6;
        }
    } else if (n == 5) {
        base = (88 - captionHeight) / 2 - 8;
        givenMove = 16;
    } else if (n == 6) {
        base = (52 - captionHeight) / 2 - 8;
    } else {
        height = captionHeight + kBoxStep * n + 24;
    }
    int32_t* top = column->top;
    std::memset(top, 0, sizeof column->top);
    for (int i = 0; i < n; ++i)
        top[i] = base + kBoxStep * i + (i < shape.surname ? surnameMove : givenMove);

    // A one-character surname before five given-name characters would put
    // the heaven label above the window: move the column down instead.
    if (shape.surname == 0 || shape.given == 0) return height;
    CGridDiagramGeometry geometry;
    LayOutGridDiagram(record, *column, 0, 0, &geometry);
    int highest = geometry.gridBox[kHeaven].y - kLabelRise;
    if (top[0] < highest) highest = top[0];
    if (highest < 0) {
        for (int i = 0; i < n; ++i) top[i] -= highest;
        height -= highest;
    }
    return height;
}

CGridDiagramGeometry DrawGridDiagram(CDrawContext& dc, const CNameRecord& record,
                                     const CColumnLayout& column, int mode, int x,
                                     const DiagramStyle& style, int yShift) {
    CGridDiagramGeometry geometry;
    LayOutGridDiagram(record, column, x, yShift, &geometry);
    const ColumnShape shape = ShapeOf(record);
    if (shape.count == 0) return geometry;
    DrawCharacters(dc, record, shape, style, geometry);
    if (mode < kDiagramGridBoxes || shape.surname == 0 || shape.given == 0) return geometry;
    if (mode >= kDiagramBrackets) DrawBrackets(dc, geometry);
    DrawGridBoxes(dc, record, style, geometry);
    return geometry;
}

}  // namespace hoshikura
