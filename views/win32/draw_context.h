// The one drawing context shared by every view and by printing. Each drawing
// call creates the pen, brush or font it needs, draws, selects the previous
// objects back and deletes what it created: no GDI object outlives a call.
#pragma once

#include <windows.h>

namespace hoshikura {

class CDrawContext {
public:
    CDrawContext();
    ~CDrawContext();
    CDrawContext(const CDrawContext&) = delete;
    CDrawContext& operator=(const CDrawContext&) = delete;

    // Device context, BeginPaint's or a printer's: it stays its owner's and
    // is only forgotten on release. At most one is held; taking a second one
    // first reports the mistake and forgets the held one.
    void AttachDC(HDC dc);
    void ReleaseContext();
    HDC Dc() const { return dc_; }

    // Font description; none of these creates a font.
    void SetFont(const char* face, int height, int angle, int bold, int italic, int underline);
    void SetFontFace(const char* face);
    void SetFontHeight(int height);
    void SetFontStyle(int bold, int italic);
    const LOGFONTA& Font() const { return font_; }

    // Plain operations, in device pixels; no-ops without a device context.
    void DrawLine(int x1, int y1, int x2, int y2);
    void DrawBox(int left, int top, int right, int bottom, int fill);
    void DrawDisc(int cx, int cy, int r);
    void DrawCircle(int cx, int cy, int r);
    void DrawString(int x, int y, const char* text);
    void DrawStringOn(int x, int y, const char* text, COLORREF background);
    // Text wrapped to the box's width by the Japanese line-break rules,
    // line under line from its top, cut off at its edges.
    void DrawTextBox(RECT* rect, const char* text, COLORREF background);
    // Height that DrawTextBox gives `text` at `width` with the font selected
    // into `dc`.
    static int WrappedHeight(HDC dc, const char* text, int width);
    // One line at the box's top left that stays inside the box: the font is
    // made smaller (down to half its height) until the line fits, and what
    // still does not fit is cut off at the box's edge.
    void DrawStringWithin(const RECT& box, const char* text, COLORREF background);
    void DrawEtchedLine(int x, int y, int length);
    void DrawPanel(int left, int top, int right, int bottom, int depth);
    // Face pictogram of a rating level 0..6 (printed page), in page units.
    void DrawFace(int cx, int cy, int size, int level);

    // Scaled operations: arguments in page units, each product with the
    // scale truncated toward zero.
    int Scaled(int value) const;
    void DrawLineScaled(int x1, int y1, int x2, int y2);
    void DrawPanelScaled(int left, int top, int right, int bottom, int depth);
    void DrawDiscScaled(int cx, int cy, int r);
    void DrawStringScaled(int x, int y, const char* text);
    void DrawStringOnScaled(int x, int y, const char* text, COLORREF background);
    void DrawTextBoxScaled(RECT* rect, const char* text, COLORREF background);
    void DrawEtchedLineScaled(int x, int y, int length);
    void DrawCircleScaled(int cx, int cy, int r);
    void SetFontHeightScaled(int height);
    void SetPenWidthScaled(int width);
    void ArcScaled(HDC dc, int left, int top, int right, int bottom,
                   int xStart, int yStart, int xEnd, int yEnd) const;
    void ChordScaled(HDC dc, int left, int top, int right, int bottom,
                     int xStart, int yStart, int xEnd, int yEnd) const;

    COLORREF colour = 0;
    int penWidth = 1;
    double scale = 1.0;

private:
    bool TakeOver();  // reports and forgets a held context
    HPEN NewPen() const;
    void DrawFaceBrows(int cx, int cy, int size, int level);
    void DrawFaceMouth(int cx, int cy, int size, int level);
    void DrawFaceEyes(int cx, int cy, int size);

    HDC dc_ = nullptr;
    LOGFONTA font_{};          // owned for the object's whole life
};

}  // namespace hoshikura
