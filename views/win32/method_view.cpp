#include "method_view.h"

#include "draw_context.h"
#include "grid_diagram.h"
#include "method_paint.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

// Title suffix of kinds 2..5, the method's name.
const char* MethodName(int kind) {
    switch (kind) {
    case kStrokeMethodView:
        return "画数";
    case kElementMethodView:
        return "五行";
    case kYinYangMethodView:
        return "陰陽";
    case kSameStrokeMethodView:
        return "同画";
    default:
        return "";
    }
}

// The views whose height follows the name's length.
bool GrowsWithName(int kind) { return kind == kYinYangMethodView || kind == kSameStrokeMethodView; }

}  // namespace

void CMethodView::PrepareWindow() {
    FormatText(title, sizeof title, "[ %s %s ] － %s", record.surname, record.givenName,
               MethodName(kind));
    // Every kind lays the characters out as the judgement does; only two
    // of them draw the column.
    const int32_t computed = LayOutCharacters(record, GetSystemMetrics(SM_CYCAPTION), &column);
    const ViewSize size = ViewSizeOf(kind);
    width = size.width;
    height = GrowsWithName(kind) ? computed : size.height;
}

void CMethodView::Paint(CDrawContext& dc) {
    const MethodCanvas canvas = {dc, GetSysColor(COLOR_BTNFACE), width, height, column};
    switch (kind) {
    case kStrokeMethodView:
        PaintStrokeMethod(canvas, record);
        break;
    case kElementMethodView:
        PaintElementMethod(canvas, record);
        break;
    case kYinYangMethodView:
        PaintYinYangMethod(canvas, record);
        break;
    case kSameStrokeMethodView:
        PaintSameStrokeMethod(canvas, record);
        break;
    default:
        break;
    }
}

}  // namespace hoshikura
