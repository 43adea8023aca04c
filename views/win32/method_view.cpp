#include "method_view.h"

#include "draw_context.h"
#include "grid_diagram.h"
#include "judge.h"
#include "method_paint.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

// The views whose height follows the name's length.
bool GrowsWithName(int kind) { return kind == kYinYangMethodView || kind == kSameStrokeMethodView; }

}  // namespace

void CMethodView::PrepareWindow() {
    FormatText(title, sizeof title, "[ %s %s ] － %s", record.surname, record.givenName,
               MethodName(kind - kStrokeMethodView));
    // Every kind lays the characters out as the judgement does; only two
    // of them draw the column.
    const int32_t computed = LayOutCharacters(record, MetricForDpi(SM_CYCAPTION, kDesignDpi), &column);
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
