#include "placeholder_view.h"

#include "app_state.h"
#include "draw_context.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

constexpr int kPlaceholderHeight = 240;

const char* KindName(int kind) {
    static const char* const kNames[kViewKindCount] = {
        "姓名判断", "解説", "画数", "五行", "陰陽", "同画", "", "Best10_Worst10",
        "名前検索", "読み仮名検索", "一文字検索", "姓検索", "バージョン", "特徴",
    };
    return kind >= 0 && kind < kViewKindCount ? kNames[kind] : "";
}

}  // namespace

void CPlaceholderView::PrepareWindow() {
    ViewSize size = ViewSizeOf(kind);
    width = size.width;
    height = size.height > 0 ? size.height : kPlaceholderHeight;
    if (record.surname[0])
        FormatText(title, sizeof title, "%s %s %s", KindName(kind), record.surname,
                   record.givenName);
    else
        CopyText(title, sizeof title, KindName(kind));
}

void CPlaceholderView::Paint() {
    CDrawContext& dc = *App().drawContext;
    dc.colour = 0;
    dc.SetFont("ゴシック", 16, 0, 1, 0, 0);
    dc.DrawString(16, 16, title);
    dc.SetFont("明朝", 14, 0, 0, 0, 0);
    dc.DrawString(16, 48, "この画面は準備中です。");
}

}  // namespace hoshikura
