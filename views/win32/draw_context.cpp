#include "draw_context.h"

#include <cstring>

#include "line_break.h"
#include "sjis_text.h"
#include "wide_text.h"

namespace hoshikura {

namespace {

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

// A new pen and a new brush (none: hollow) selected for one shape.
class CPenAndBrush {
public:
    CPenAndBrush(HDC dc, HPEN pen, HBRUSH brush)
        : pen_(pen),
          brush_(brush),
          selectedPen_(dc, pen),
          selectedBrush_(dc, brush ? brush : GetStockObject(NULL_BRUSH)) {}

private:
    CTemporary<HPEN> pen_;
    CTemporary<HBRUSH> brush_;
    CSelection selectedPen_;
    CSelection selectedBrush_;
};

// A font created from its description and selected for one scope.
class CFontInUse {
public:
    CFontInUse(HDC dc, const LOGFONTW& font) : font_(CreateFontIndirectW(&font)), selected_(dc, font_.Get()) {}

private:
    CTemporary<HFONT> font_;
    CSelection selected_;
};

// The two generic Japanese faces have a short and a long spelling.
const char* AliasedFace(const char* face) {
    if (std::strcmp(face, "明朝") == 0 || std::strcmp(face, "MS明朝") == 0) return "標準明朝";
    if (std::strcmp(face, "ゴシック") == 0 || std::strcmp(face, "ｺﾞｼｯｸ") == 0) return "標準ゴシック";
    return face;
}

// The extent of a text in the selected font.
SIZE TextExtent(HDC dc, const std::wstring& text) {
    SIZE extent = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    return extent;
}

// Text drawn from (x, y), clipped to `clip` when one is given.
void DrawWide(HDC dc, int x, int y, const RECT* clip, const std::wstring& text) {
    ExtTextOutW(dc, x, y, clip ? ETO_CLIPPED : 0, clip, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

// Calls `line` with each wrapped line's text, length (without its line
// feed) and top; returns the height of all lines.
template <typename Line>
int ForEachWrappedLine(HDC dc, const char* text, int width, Line line) {
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    auto fits = [dc, text, width](std::size_t bytes) { return TextExtent(dc, Wide(text, bytes)).cx <= width; };
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

RECT CDrawContext::ToDevice(const RECT& box) const {
    return {ToDevice(box.left), ToDevice(box.top), ToDevice(box.right), ToDevice(box.bottom)};
}

RECT CDrawContext::CircleBox(int cx, int cy, int r) const {
    const int x = ToDevice(cx), y = ToDevice(cy), radius = ToDevice(r);
    return {x - radius, y - radius, x + radius, y + radius};
}

LOGFONTW LogicalFont(const FontSpec& font, double scale) {
    LOGFONTW logical{};
    const std::wstring face = Wide(AliasedFace(font.face ? font.face : ""));
    face.copy(logical.lfFaceName, LF_FACESIZE - 1);
    logical.lfHeight = static_cast<int>(font.height * scale);
    logical.lfWeight = font.flags & kBold ? FW_BOLD : FW_NORMAL;
    logical.lfCharSet = SHIFTJIS_CHARSET;
    return logical;
}

LOGFONTW CDrawContext::DeviceFont(const FontSpec& font) const { return LogicalFont(font, scale_); }

HPEN CDrawContext::NewPen(COLORREF penColour) const {
    return CreatePen(PS_SOLID, ToDevice(penWidth), penColour);
}

void CDrawContext::LineInDevice(int x1, int y1, int x2, int y2, COLORREF lineColour) {
    CPenAndBrush tools(dc_, NewPen(lineColour), nullptr);
    // The end pixel is part of the line; the current position stays put.
    POINT previous;
    MoveToEx(dc_, x1, y1, &previous);
    LineTo(dc_, x2, y2);
    SetPixel(dc_, x2, y2, lineColour);
    MoveToEx(dc_, previous.x, previous.y, nullptr);
}

void CDrawContext::BoxInDevice(const RECT& box) {
    CPenAndBrush tools(dc_, NewPen(colour), CreateSolidBrush(colour));
    Rectangle(dc_, box.left, box.top, box.right, box.bottom);
}

void CDrawContext::DrawLine(int x1, int y1, int x2, int y2) {
    LineInDevice(ToDevice(x1), ToDevice(y1), ToDevice(x2), ToDevice(y2), colour);
}

void CDrawContext::DrawBox(int left, int top, int right, int bottom) {
    BoxInDevice(ToDevice(RECT{left, top, right, bottom}));
}

void CDrawContext::DrawDisc(int cx, int cy, int r) {
    CPenAndBrush tools(dc_, NewPen(colour), CreateSolidBrush(colour));
    const RECT box = CircleBox(cx, cy, r);
    Ellipse(dc_, box.left, box.top, box.right, box.bottom);
}

void CDrawContext::DrawCircle(int cx, int cy, int r) {
    // An ellipse with no fill: an arc whose start and end meet is a full
    // circle on the screen but a lone dot on some printers.
    CPenAndBrush tools(dc_, NewPen(colour), nullptr);
    const RECT box = CircleBox(cx, cy, r);
    Ellipse(dc_, box.left, box.top, box.right, box.bottom);
}

void CDrawContext::DrawArc(const RECT& box, POINT start, POINT end) {
    CPenAndBrush tools(dc_, NewPen(colour), nullptr);
    const RECT device = ToDevice(box);
    Arc(dc_, device.left, device.top, device.right, device.bottom, ToDevice(start.x),
        ToDevice(start.y), ToDevice(end.x), ToDevice(end.y));
}

void CDrawContext::DrawChord(const RECT& box, POINT start, POINT end) {
    CPenAndBrush tools(dc_, NewPen(colour), CreateSolidBrush(colour));
    const RECT device = ToDevice(box);
    Chord(dc_, device.left, device.top, device.right, device.bottom, ToDevice(start.x),
          ToDevice(start.y), ToDevice(end.x), ToDevice(end.y));
}

void CDrawContext::DrawIcon(int x, int y, int size, HICON icon) {
    DrawIconEx(dc_, ToDevice(x), ToDevice(y), icon, ToDevice(size), ToDevice(size), 0, nullptr, DI_NORMAL);
}

void CDrawContext::DrawString(int x, int y, const char* text) {
    if (!text) return;
    CFontInUse font(dc_, DeviceFont(font_));
    SetTextColor(dc_, colour);
    DrawWide(dc_, ToDevice(x), ToDevice(y), nullptr, Wide(text));
}

void CDrawContext::DrawStringOn(int x, int y, const char* text, COLORREF background) {
    COLORREF previous = SetBkColor(dc_, background);
    DrawString(x, y, text);
    SetBkColor(dc_, previous);
}

void CDrawContext::DrawStringWithin(const RECT& box, const char* text, COLORREF background) {
    if (!text) return;
    const RECT device = ToDevice(box);
    const std::wstring wide = Wide(text);
    LOGFONTW fitted = DeviceFont(font_);
    const LONG smallest = fitted.lfHeight / 2;
    for (;;) {
        CFontInUse font(dc_, fitted);
        if (TextExtent(dc_, wide).cx <= device.right - device.left || fitted.lfHeight <= smallest) {
            SetTextColor(dc_, colour);
            COLORREF previous = SetBkColor(dc_, background);
            DrawWide(dc_, device.left, device.top, &device, wide);
            SetBkColor(dc_, previous);
            return;
        }
        --fitted.lfHeight;
    }
}

int CDrawContext::TextWidth(const FontSpec& font, const char* text) const {
    CFontInUse selected(dc_, DeviceFont(font));
    return static_cast<int>(TextExtent(dc_, Wide(text)).cx / scale_);
}

void CDrawContext::DrawTextBox(const RECT& box, const char* text, COLORREF background) {
    if (!text) return;
    const RECT device = ToDevice(box);
    CFontInUse font(dc_, DeviceFont(font_));
    SetTextColor(dc_, colour);
    COLORREF previous = SetBkColor(dc_, background);
    ForEachWrappedLine(dc_, text, device.right - device.left,
                       [this, &device](const char* line, int length, int top) {
                           if (device.top + top < device.bottom)
                               DrawWide(dc_, device.left, device.top + top, &device,
                                        Wide(line, static_cast<std::size_t>(length)));
                       });
    SetBkColor(dc_, previous);
}

bool CDrawContext::TextBoxFits(const RECT& box, const char* text) const {
    const RECT device = ToDevice(box);
    CFontInUse font(dc_, DeviceFont(font_));
    const int height = ForEachWrappedLine(dc_, text, device.right - device.left,
                                          [](const char*, int, int) {});
    return height <= device.bottom - device.top;
}

void CDrawContext::DrawEtchedLine(int x, int y, int length) {
    const int left = ToDevice(x), top = ToDevice(y), right = left + ToDevice(length);
    LineInDevice(left, top, right, top, GetSysColor(COLOR_BTNSHADOW));
    LineInDevice(left, top + 1, right, top + 1, GetSysColor(COLOR_BTNHIGHLIGHT));
}

void CDrawContext::DrawPanel(int left, int top, int right, int bottom, int depth) {
    const RECT device = ToDevice(RECT{left, top, right, bottom});
    int deep = ToDevice(depth);
    if (deep <= 0) deep = 1;
    for (int i = 0; i < deep; ++i) {
        RECT edge = {device.left + i, device.top + i, device.right - i, device.bottom - i};
        DrawEdge(dc_, &edge, EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
    }
    const COLORREF saved = colour;
    if ((colour & 0xFFFFFF) == 0) colour = GetSysColor(COLOR_BTNFACE);
    BoxInDevice({device.left + deep + 1, device.top + deep + 1, device.right - deep - 1,
                 device.bottom - deep - 1});
    colour = saved;
}

}  // namespace hoshikura
