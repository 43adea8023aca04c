#include "draw_context.h"

#include <cstring>

#include "line_break.h"
#include "message_sink.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

constexpr int kDefaultFontHeight = 14;

// Selects an object into a device context for one scope and puts the
// previous one back; the created object itself is deleted by its owner.
class CSelection {
public:
    CSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~CSelection() { SelectObject(dc_, previous_); }
    CSelection(const CSelection&) = delete;
    CSelection& operator=(const CSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A GDI object created for one drawing call and deleted at its end.
template <typename Handle>
class CTemporary {
public:
    explicit CTemporary(Handle handle) : handle_(handle) {}
    ~CTemporary() {
        if (handle_) DeleteObject(handle_);
    }
    CTemporary(const CTemporary&) = delete;
    CTemporary& operator=(const CTemporary&) = delete;
    Handle Get() const { return handle_; }

private:
    Handle handle_;
};

// The two generic Japanese faces have a short and a long spelling.
const char* AliasedFace(const char* face) {
    if (std::strcmp(face, "明朝") == 0 || std::strcmp(face, "MS明朝") == 0) return "標準明朝";
    if (std::strcmp(face, "ゴシック") == 0 || std::strcmp(face, "ｺﾞｼｯｸ") == 0) return "標準ゴシック";
    return face;
}

LONG WeightOf(int bold) {
    if (bold == 1) return FW_BOLD;
    if (bold == 0) return FW_NORMAL;
    return 0;
}

}  // namespace

CDrawContext::CDrawContext() {
    SetFont("明朝", kDefaultFontHeight, 0, 0, 0, 0);
}

CDrawContext::~CDrawContext() { ReleaseContext(); }

bool CDrawContext::TakeOver() {
    if (!dc_) return false;
    ShowMessage("DCを解放しないうちにDCを取得しようとしました。");
    ReleaseContext();
    return true;
}

void CDrawContext::AttachDC(HDC dc) {
    TakeOver();
    dc_ = dc;
}

void CDrawContext::ReleaseContext() { dc_ = nullptr; }

void CDrawContext::SetFont(const char* face, int height, int angle, int bold, int italic,
                           int underline) {
    CopyText(font_.lfFaceName, sizeof font_.lfFaceName, AliasedFace(face ? face : ""));
    font_.lfHeight = height;
    font_.lfWidth = 0;
    font_.lfEscapement = angle * 10;
    font_.lfWeight = WeightOf(bold);
    font_.lfItalic = static_cast<BYTE>(italic);
    font_.lfUnderline = static_cast<BYTE>(underline);
    font_.lfCharSet = SHIFTJIS_CHARSET;
}

void CDrawContext::SetFontFace(const char* face) {
    // Copy the face first: the caller may pass the current face name.
    char copy[LF_FACESIZE];
    CopyText(copy, sizeof copy, face ? face : "");
    SetFont(copy, font_.lfHeight, font_.lfEscapement / 10, 0, font_.lfItalic, font_.lfUnderline);
}

void CDrawContext::SetFontHeight(int height) { font_.lfHeight = height; }

void CDrawContext::SetFontStyle(int bold, int italic) {
    font_.lfWeight = WeightOf(bold);
    font_.lfItalic = static_cast<BYTE>(italic);
}

HPEN CDrawContext::NewPen() const { return CreatePen(PS_SOLID, penWidth, colour); }

void CDrawContext::DrawLine(int x1, int y1, int x2, int y2) {
    if (!dc_) return;
    CTemporary<HPEN> pen(NewPen());
    CSelection selected(dc_, pen.Get());
    // The end pixel is part of the line; the current position stays put.
    POINT previous;
    MoveToEx(dc_, x1, y1, &previous);
    LineTo(dc_, x2, y2);
    SetPixel(dc_, x2, y2, colour);
    MoveToEx(dc_, previous.x, previous.y, nullptr);
}

void CDrawContext::DrawBox(int left, int top, int right, int bottom, int fill) {
    if (!dc_) return;
    CTemporary<HPEN> pen(NewPen());
    CTemporary<HBRUSH> brush(CreateSolidBrush(colour));
    CSelection selectedPen(dc_, pen.Get());
    CSelection selectedBrush(dc_, brush.Get());
    if (fill == 1) {
        Rectangle(dc_, left, top, right, bottom);
        return;
    }
    POINT previous;
    MoveToEx(dc_, left, top, &previous);
    LineTo(dc_, right, top);
    LineTo(dc_, right, bottom);
    LineTo(dc_, left, bottom);
    LineTo(dc_, left, top);
    MoveToEx(dc_, previous.x, previous.y, nullptr);
}

void CDrawContext::DrawDisc(int cx, int cy, int r) {
    if (!dc_) return;
    CTemporary<HPEN> pen(NewPen());
    CTemporary<HBRUSH> brush(CreateSolidBrush(colour));
    CSelection selectedPen(dc_, pen.Get());
    CSelection selectedBrush(dc_, brush.Get());
    Ellipse(dc_, cx - r, cy - r, cx + r, cy + r);
}

void CDrawContext::DrawCircle(int cx, int cy, int r) {
    if (!dc_) return;
    CTemporary<HPEN> pen(NewPen());
    CSelection selected(dc_, pen.Get());
    // An ellipse with no fill: an arc whose start and end meet is a full
    // circle on the screen but a lone dot on some printers.
    CSelection hollow(dc_, GetStockObject(NULL_BRUSH));
    Ellipse(dc_, cx - r, cy - r, cx + r, cy + r);
}

void CDrawContext::DrawString(int x, int y, const char* text) {
    if (!dc_ || !text) return;
    CTemporary<HFONT> font(CreateFontIndirectA(&font_));
    CSelection selected(dc_, font.Get());
    SetTextColor(dc_, colour);
    TextOutA(dc_, x, y, text, static_cast<int>(std::strlen(text)));
}

void CDrawContext::DrawStringOn(int x, int y, const char* text, COLORREF background) {
    if (!dc_) return;
    COLORREF previous = SetBkColor(dc_, background);
    DrawString(x, y, text);
    SetBkColor(dc_, previous);
}

void CDrawContext::DrawStringWithin(const RECT& box, const char* text, COLORREF background) {
    if (!dc_ || !text) return;
    const int length = static_cast<int>(std::strlen(text));
    LOGFONTA fitted = font_;
    const LONG smallest = font_.lfHeight / 2;
    for (;;) {
        CTemporary<HFONT> font(CreateFontIndirectA(&fitted));
        CSelection selected(dc_, font.Get());
        SIZE extent = {};
        GetTextExtentPoint32A(dc_, text, length, &extent);
        if (extent.cx <= box.right - box.left || fitted.lfHeight <= smallest) {
            SetTextColor(dc_, colour);
            COLORREF previous = SetBkColor(dc_, background);
            ExtTextOutA(dc_, box.left, box.top, ETO_CLIPPED, &box, text, length, nullptr);
            SetBkColor(dc_, previous);
            return;
        }
        --fitted.lfHeight;
    }
}

namespace {

// Calls `line` with each wrapped line's text, length (without its line
// feed) and top; returns the height of all lines.
template <typename Line>
int ForEachWrappedLine(HDC dc, const char* text, int width, Line line) {
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    auto fits = [dc, text, width](std::size_t bytes) {
        SIZE extent = {};
        GetTextExtentPoint32A(dc, text, static_cast<int>(bytes), &extent);
        return extent.cx <= width;
    };
    int top = 0;
    while (*text) {
        std::size_t bytes = NextLineBytes(text, fits);
        std::size_t shown = bytes;
        if (shown && text[shown - 1] == '\n') --shown;
        line(text, static_cast<int>(shown), top);
        top += metrics.tmHeight;
        text += bytes;
    }
    return top;
}

}  // namespace

void CDrawContext::DrawTextBox(RECT* rect, const char* text, COLORREF background) {
    if (!dc_ || !rect || !text) return;
    CTemporary<HFONT> font(CreateFontIndirectA(&font_));
    CSelection selected(dc_, font.Get());
    SetTextColor(dc_, colour);
    COLORREF previous = SetBkColor(dc_, background);
    const RECT box = *rect;
    ForEachWrappedLine(dc_, text, box.right - box.left,
                       [this, &box](const char* line, int length, int top) {
                           if (box.top + top < box.bottom)
                               ExtTextOutA(dc_, box.left, box.top + top, ETO_CLIPPED, &box, line,
                                           length, nullptr);
                       });
    SetBkColor(dc_, previous);
}

int CDrawContext::WrappedHeight(HDC dc, const char* text, int width) {
    if (!dc || !text) return 0;
    return ForEachWrappedLine(dc, text, width, [](const char*, int, int) {});
}

void CDrawContext::DrawEtchedLine(int x, int y, int length) {
    if (!dc_) return;
    COLORREF saved = colour;
    colour = GetSysColor(COLOR_BTNSHADOW);
    DrawLine(x, y, x + length, y);
    colour = GetSysColor(COLOR_BTNHIGHLIGHT);
    DrawLine(x, y + 1, x + length, y + 1);
    colour = saved;
}

void CDrawContext::DrawPanel(int left, int top, int right, int bottom, int depth) {
    if (!dc_) return;
    if (depth <= 0) depth = 1;
    for (int i = 0; i < depth; ++i) {
        RECT edge = {left + i, top + i, right - i, bottom - i};
        DrawEdge(dc_, &edge, EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
    }
    COLORREF saved = colour;
    if ((colour & 0xFFFFFF) == 0) colour = GetSysColor(COLOR_BTNFACE);
    DrawBox(left + depth + 1, top + depth + 1, right - depth - 1, bottom - depth - 1, 1);
    colour = saved;
}

int CDrawContext::Scaled(int value) const { return static_cast<int>(value * scale); }

void CDrawContext::DrawLineScaled(int x1, int y1, int x2, int y2) {
    DrawLine(Scaled(x1), Scaled(y1), Scaled(x2), Scaled(y2));
}

void CDrawContext::DrawPanelScaled(int left, int top, int right, int bottom, int depth) {
    DrawPanel(Scaled(left), Scaled(top), Scaled(right), Scaled(bottom), Scaled(depth));
}

void CDrawContext::DrawDiscScaled(int cx, int cy, int r) {
    DrawDisc(Scaled(cx), Scaled(cy), Scaled(r));
}

void CDrawContext::DrawStringScaled(int x, int y, const char* text) {
    DrawString(Scaled(x), Scaled(y), text);
}

void CDrawContext::DrawStringOnScaled(int x, int y, const char* text, COLORREF background) {
    DrawStringOn(Scaled(x), Scaled(y), text, background);
}

void CDrawContext::DrawTextBoxScaled(RECT* rect, const char* text, COLORREF background) {
    if (!rect) return;
    rect->left = Scaled(rect->left);
    rect->top = Scaled(rect->top);
    rect->right = Scaled(rect->right);
    rect->bottom = Scaled(rect->bottom);
    DrawTextBox(rect, text, background);
}

void CDrawContext::DrawEtchedLineScaled(int x, int y, int length) {
    DrawEtchedLine(Scaled(x), Scaled(y), Scaled(length));
}

void CDrawContext::DrawCircleScaled(int cx, int cy, int r) {
    DrawCircle(Scaled(cx), Scaled(cy), Scaled(r));
}

void CDrawContext::SetFontHeightScaled(int height) { SetFontHeight(Scaled(height)); }

void CDrawContext::SetPenWidthScaled(int width) { penWidth = Scaled(width); }

void CDrawContext::ArcScaled(HDC dc, int left, int top, int right, int bottom, int xStart,
                             int yStart, int xEnd, int yEnd) const {
    if (!dc) return;
    Arc(dc, Scaled(left), Scaled(top), Scaled(right), Scaled(bottom), Scaled(xStart),
        Scaled(yStart), Scaled(xEnd), Scaled(yEnd));
}

void CDrawContext::ChordScaled(HDC dc, int left, int top, int right, int bottom, int xStart,
                               int yStart, int xEnd, int yEnd) const {
    if (!dc) return;
    Chord(dc, Scaled(left), Scaled(top), Scaled(right), Scaled(bottom), Scaled(xStart),
          Scaled(yStart), Scaled(xEnd), Scaled(yEnd));
}

}  // namespace hoshikura
