#include "info_views.h"

#include "colours.h"
#include "draw_context.h"
#include "program_version.h"
#include "sjis_text.h"
#include "view_list.h"

namespace hoshikura {

namespace {

constexpr int kVersionRaise = 64;  // the version window sits this far above centre
constexpr char kInfoFace[] = "ＭＳ Ｐゴシック";

void PrepareInfo(CView& view, const char* title) {
    CopyText(view.title, sizeof view.title, title);
    ViewSize size = ViewSizeOf(view.kind);
    view.width = size.width;
    view.height = size.height;
}

struct FeatureLine {
    int y;
    const char* text;
};

constexpr FeatureLine kFeatureLines[] = {
    {52, "(1) 画数、陰陽、五行、同画の方法を総合して姓名判断を行う"},
    {72, "　　・苗字、名前ともに１～５文字の処理が可能"},
    {98, "(2) 苗字を入力して、吉数または凶数となる名前の検索が可能"},
    // The two longest lines keep room at the right edge for wider faces.
    {118, "　　・読み仮名を入力して検索 （例：「鈴木」＋「みゆき」）"},
    {138, "　　・使いたい漢字一文字を入力して検索 （例：「鈴木」＋「義」）"},
    {158, "　　・検索した画数に対する名前のサンプルを表示する"},
    {178, "　　・登録されている名前のサンプル数は、%s個"},
    {204, "(3) 名前を入力して、吉数または凶数となる苗字の検索が可能"},
    {224, "　　 女性が結婚相手を探すときの参考に・・・・"},
    {250, "(4) 名前の候補を30件まで記録して、並べて比べることが可能"},
    {270, "　　・列ごとの並べ替え、表のコピーと印刷ができる"},
};

}  // namespace

void CVersionView::PrepareWindow() { PrepareInfo(*this, "Hoshikuraのバージョン情報"); }

bool CVersionView::Create(CViewList* list) {
    if (!CreateChildWindow(list)) return false;
    RECT client;
    GetClientRect(list->host.client, &client);
    const int caption = MetricForDpi(SM_CYCAPTION, dpi);
    const SIZE size = WindowSize();
    ShowAt((client.right - size.cx) / 2, (client.bottom - size.cy - caption) / 2 - Scaled(kVersionRaise, dpi));
    return CreateControls();
}

void CVersionView::Paint(CDrawContext& dc) {
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    if (icon) dc.DrawIcon(24, 16, 64, icon);
    dc.SetFont({kInfoFace, 28, kBold});
    dc.colour = kDarkGreen;
    dc.DrawStringOn(108, 24, "Hoshikura", face);
    dc.colour = kVersionRed;
    dc.SetFont({kInfoFace, 16, kBold});
    char version[32];
    FormatText(version, sizeof version, "Ver. %s", VersionNumberText());
    dc.DrawStringOn(220, 64, version, face);
    dc.penWidth = 1;
    dc.DrawEtchedLine(24, 164, 272);
}

void CFeaturesView::PrepareWindow() { PrepareInfo(*this, "Hoshikuraの特徴"); }

void CFeaturesView::Paint(CDrawContext& dc) {
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    dc.SetFont({kInfoFace, 24, kBold});
    dc.colour = kTitleRed;
    dc.DrawStringOn(10, 12, "Hoshikuraの特徴", face);
    dc.colour = kBlack;
    dc.SetFont({kInfoFace, 14, kBold});
    // The sample count line states the store's count, in groups of three digits.
    char count[16];
    if (sampleTotal >= 1000)
        FormatText(count, sizeof count, "%d,%03d", sampleTotal / 1000, sampleTotal % 1000);
    else
        FormatText(count, sizeof count, "%d", sampleTotal);
    for (const FeatureLine& line : kFeatureLines) {
        char text[128];
        FormatText(text, sizeof text, line.text, count);
        dc.DrawStringOn(20, line.y, text, face);
    }
    dc.penWidth = 1;
    dc.DrawEtchedLine(24, 302, 432);
    dc.colour = kBlue;
    dc.SetFont({kInfoFace, 18, kBold});
    dc.DrawStringOn(38, 320, "このソフトで良い名前が必ず見つかります・・・！", face);
}

}  // namespace hoshikura
