// Drawing for one paint or one printed page. A context is made on the
// stack from the device context it draws on and the scale from logical
// units to device units (1 on the screen), and lives no longer than the
// paint. Every operation takes logical units and scales each coordinate,
// radius, length, depth, pen width and font height once, truncating the
// product toward zero: at scale 1 it draws in pixels exactly as given.
// Each call creates the pen, brush or font it needs, draws, selects the
// previous objects back and deletes what it created: no GDI object outlives
// a call.
#pragma once

#include <windows.h>

namespace hoshikura {

enum FontFlags : unsigned {
    kPlain = 0,
    kBold = 1,
};

// A font: its face, which must outlive the value (a literal or constant;
// "明朝" and "ゴシック" name the standard Mincho and Gothic faces), its
// height in logical units and its flags. Always a Shift-JIS font.
struct FontSpec {
    const char* face = "明朝";
    int height = 14;
    unsigned flags = kPlain;
};

// The logical font of `font` at `scale`: its face (a generic face by its
// standard name), height and weight, in the Shift-JIS character set, so a
// Japanese face is chosen whatever the system's code page.
LOGFONTW LogicalFont(const FontSpec& font, double scale = 1.0);

class CDrawContext {
public:
    // `dc` stays its owner's and must outlive the context.
    explicit CDrawContext(HDC dc, double scale = 1.0) : dc_(dc), scale_(scale) {}
    CDrawContext(const CDrawContext&) = delete;
    CDrawContext& operator=(const CDrawContext&) = delete;

    // The font of the text operations below.
    void SetFont(const FontSpec& font) { font_ = font; }
    const FontSpec& Font() const { return font_; }

    // The end point is part of the line.
    void DrawLine(int x1, int y1, int x2, int y2);
    // Filled in the colour, outline included.
    void DrawBox(int left, int top, int right, int bottom);
    void DrawDisc(int cx, int cy, int r);
    void DrawCircle(int cx, int cy, int r);
    // The ellipse in `box` from the ray through `start` counterclockwise to
    // the ray through `end`; the chord is filled in the colour.
    void DrawArc(const RECT& box, POINT start, POINT end);
    void DrawChord(const RECT& box, POINT start, POINT end);
    void DrawIcon(int x, int y, int size, HICON icon);

    void DrawString(int x, int y, const char* text);
    void DrawStringOn(int x, int y, const char* text, COLORREF background);
    // Text wrapped to the box's width by the Japanese line-break rules,
    // line under line from its top, cut off at its edges.
    void DrawTextBox(const RECT& box, const char* text, COLORREF background);
    // Whether DrawTextBox shows every line of `text` in `box`.
    bool TextBoxFits(const RECT& box, const char* text) const;
    // One line at the box's top left that stays inside the box: the font is
    // made smaller (down to half its height) until the line fits, and what
    // still does not fit is cut off at the box's edge.
    void DrawStringWithin(const RECT& box, const char* text, COLORREF background);
    int TextWidth(const FontSpec& font, const char* text) const;

    // A groove of the button face's shadow and highlight colours.
    void DrawEtchedLine(int x, int y, int length);
    // A sunken edge `depth` deep, filled in the colour (black stands for
    // the button face).
    void DrawPanel(int left, int top, int right, int bottom, int depth);

    COLORREF colour = 0;
    int penWidth = 1;

private:
    int ToDevice(int value) const { return static_cast<int>(value * scale_); }
    RECT ToDevice(const RECT& box) const;
    RECT CircleBox(int cx, int cy, int r) const;
    LOGFONTW DeviceFont(const FontSpec& font) const;
    HPEN NewPen(COLORREF penColour) const;
    // In device units.
    void LineInDevice(int x1, int y1, int x2, int y2, COLORREF lineColour);
    void BoxInDevice(const RECT& box);

    HDC dc_;
    double scale_;
    FontSpec font_;
};

}  // namespace hoshikura
