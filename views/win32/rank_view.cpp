#include "rank_view.h"

#include <cstring>

#include "colours.h"
#include "draw_context.h"
#include "sjis_text.h"
#include "view_buttons.h"
#include "view_list.h"
#include "window_placement.h"

namespace hoshikura {

namespace {

constexpr COLORREF kRowText = 0xC4FFFF;  // pale yellow on the shades
constexpr int kFirstRowY = 36;
constexpr int kRowStep = 28;
constexpr int kShadeStep = 25;
constexpr int kBestX = 0;
constexpr int kWorstX = 280;  // the worst side stands this far right

constexpr char kClearQuestion[] = "BEST10、WORST10の記録を全て消去しますか？";
constexpr char kClearCaption[] = "Delete?";

constexpr ButtonPlace kButtons[kRankButtonCount] = {
    {"データ更新", {300, 320, 428, 350}},
    {"記録初期化", {432, 320, 560, 350}},
};

// A stored name field as text: rows read from the registry need not be
// terminated, and a cut must not split a character.
void FieldText(const char (&field)[kRankNameSize], char (&out)[kRankNameSize + 1]) {
    const void* end = std::memchr(field, 0, kRankNameSize);
    std::size_t length = end ? static_cast<const char*>(end) - field : kRankNameSize;
    length = CharBoundaryPrefix(field, length);
    std::memcpy(out, field, length);
    out[length] = '\0';
}

void DrawSide(CDrawContext& dc, const CRankList& list, int left, int row, COLORREF shade,
              COLORREF background) {
    const int y = kFirstRowY + kRowStep * row;
    char place[8];
    FormatPlace(row + 1, place, sizeof place);
    dc.SetFont({"ゴシック", 18, kBold});
    dc.colour = kBlack;
    dc.DrawStringOn(left + 8, y, place, background);
    dc.colour = shade;
    const RECT panel = {left + 52, y - 4, left + 280, y + 21};
    dc.DrawPanel(panel.left, panel.top, panel.right, panel.bottom, 1);
    char text[64];
    FormatRankRow(list, row, text, sizeof text);
    dc.SetFont({"ゴシック", 16});
    dc.colour = kRowText;
    // Long names and extreme stored scores shrink rather than run past
    // the panel's inner edge.
    dc.DrawStringWithin({left + 58, y, panel.right - 3, panel.bottom - 2}, text, shade);
}

}  // namespace

void FormatPlace(int place, char* out, std::size_t size) {
    static const char* const kSuffixes[] = {"st", "nd", "rd"};
    const char* suffix = place >= 1 && place <= 3 ? kSuffixes[place - 1] : "th";
    FormatText(out, size, "%2d%s", place, suffix);
}

void FormatRankRow(const CRankList& list, int row, char* out, std::size_t size) {
    if (row < 0 || row >= kRankRows) {
        CopyText(out, size, "");
        return;
    }
    char surname[kRankNameSize + 1];
    char givenName[kRankNameSize + 1];
    FieldText(list.surnames[row], surname);
    FieldText(list.givenNames[row], givenName);
    char name[2 * kRankNameSize + 2];
    FormatText(name, sizeof name, "%s %s", surname, givenName);
    FormatText(out, size, "%-20s %3d点", name, static_cast<int>(list.scores[row]));
}

void CRankView::PrepareWindow() {
    if (lists) shown = *lists;
    CopyText(title, sizeof title, "Best10 & Worst10");
    const ViewSize size = ViewSizeOf(kind);
    width = size.width;
    height = size.height;
}

bool CRankView::CreateControls() {
    return AddButtons(kButtons, kRankButtonCount);
}

void CRankView::OnCommand(UINT message, WPARAM wparam, LPARAM lparam) {
    if (!owner || owner->rankingWindow != window || !owner->rankingOpen || !lists) return;
    const int button = ClickedButton(*this, message, wparam, lparam, kRankButtonCount);
    if (button == kRefreshButton) {
        shown = *lists;
        RedrawWindow(owner->rankingWindow, nullptr, nullptr, RDW_INVALIDATE);
    } else if (button == kClearButton) {
        if (MessageBoxOver(window, kClearQuestion, kClearCaption, MB_ICONQUESTION | MB_YESNO | MB_DEFBUTTON2) !=
            IDYES)
            return;
        lists->Clear();
        shown = *lists;
        RedrawWindow(owner->rankingWindow, nullptr, nullptr, RDW_INVALIDATE);
    }
}

void CRankView::Paint(CDrawContext& dc) {
    const COLORREF background = GetSysColor(COLOR_BTNFACE);
    dc.colour = background;
    dc.DrawBox(0, 0, width, height);
    dc.SetFont({"明朝", 20, kBold});
    dc.penWidth = 1;
    dc.colour = kBlue;
    dc.DrawStringOn(120, 8, "BEST 10", background);
    dc.colour = kRed;
    dc.DrawStringOn(400, 8, "WORST 10", background);
    for (int row = 0; row < kRankRows; ++row) {
        // Shades fade from 255 at the top to 30 at the tenth place.
        const COLORREF g = static_cast<COLORREF>(255 - kShadeStep * row);
        DrawSide(dc, shown.best, kBestX, row, g << 16, background);
        DrawSide(dc, shown.worst, kWorstX, row, g, background);
    }
}

}  // namespace hoshikura
