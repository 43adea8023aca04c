#include "search_view.h"

#include "child_window.h"
#include "draw_context.h"
#include "sjis_text.h"
#include "view_list.h"
#include "wide_text.h"

namespace hoshikura {

namespace {

constexpr wchar_t kListClass[] = L"LISTBOX";
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_DISABLENOSCROLL |
                             LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
constexpr int kListTop = 56;
// The lists end this far above the window's bottom edge, caption excluded.
constexpr int kListBottomRoom = 64;
// Every list has id 0: notifications are told apart by the list's handle.
constexpr int kListId = 0;

constexpr int kHeadingHeight = 18;
constexpr char kHeadingFace[] = "ゴシック";

}  // namespace

CSearchView::CSearchView(int32_t viewKind, ListPlace firstList, ListPlace secondList)
    : CView(viewKind), places_{firstList, secondList} {}

bool CSearchView::Create(CViewList* list) {
    if (!CView::Create(list)) return false;
    const int captionHeight = MetricForDpi(SM_CYCAPTION, kDesignDpi);
    for (int slot = 0; slot < 2; ++slot) {
        if (places_[slot].width <= 0) continue;
        if (!CreateList(slot, places_[slot], captionHeight)) {
            DiscardWindow();
            return false;
        }
    }
    ScaleControlFonts();
    RunSearch();
    FillLists();
    return true;
}

bool CSearchView::CreateList(int slot, ListPlace place, int captionHeight) {
    RECT design = {place.x, kListTop, place.x + place.width, height - captionHeight - kListBottomRoom + kListTop};
    const RECT at = OnScreen(design);
    controls[slot] = CreateWindowExW(WS_EX_CLIENTEDGE, kListClass, L"", kListStyle, at.left, at.top,
                                     at.right - at.left, at.bottom - at.top, window,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)),
                                     owner->host.instance, nullptr);
    if (!controls[slot]) return false;
    SubclassControl(controls[slot], EscapeToParentProc);
    const HFONT font = owner->ControlFont(ControlLook::kSystemFont);
    SendMessageW(controls[slot], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // Whole rows of its font, as a list of integral height shows them, but
    // cut in the list's 96-dpi place, so that it keeps its place at any scale.
    RECT rows;
    GetClientRect(controls[slot], &rows);
    const auto rowHeight = static_cast<int>(SendMessageW(controls[slot], LB_GETITEMHEIGHT, 0, 0));
    if (rowHeight > 0) design.bottom -= MulDiv(rows.bottom % rowHeight, kDesignDpi, dpi);
    ControlPlace(slot) = design;
    const RECT kept = OnScreen(design);
    MoveWindow(controls[slot], kept.left, kept.top, kept.right - kept.left, kept.bottom - kept.top, FALSE);
    return true;
}

void CSearchView::PrepareWindow() {
    const ViewSize size = ViewSizeOf(kind);
    width = size.width;
    height = size.height;
    FormatTitle(title, sizeof title);
}

void CSearchView::PaintHeading(CDrawContext& dc, const char* line1, COLORREF colour, POINT at1,
                               const char* line2, POINT at2) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    dc.SetFont({kHeadingFace, kHeadingHeight, kBold});
    dc.colour = colour;
    dc.DrawStringOn(at1.x, at1.y, line1, face);
    if (line2) dc.DrawStringOn(at2.x, at2.y, line2, face);
}

void CSearchView::OnEnter(HWND focus) {
    for (int slot = 0; slot < 2; ++slot)
        if (controls[slot] && controls[slot] == focus) OpenRow(slot, SelectedRow(slot));
}

bool CSearchView::FromList(UINT message, WPARAM wparam, LPARAM lparam, int slot,
                           WORD code) const {
    return message == WM_COMMAND && HIWORD(wparam) == code && controls[slot] &&
           reinterpret_cast<HWND>(lparam) == controls[slot];
}

int CSearchView::SelectedRow(int slot) const {
    const LRESULT row = SendMessageA(controls[slot], LB_GETCURSEL, 0, 0);
    return row < 0 ? -1 : static_cast<int>(row);
}

int CSearchView::DoubleClickedRow(int slot) const {
    const DWORD position = GetMessagePos();
    POINT at = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    ScreenToClient(controls[slot], &at);
    RECT client;
    GetClientRect(controls[slot], &client);
    if (!PtInRect(&client, at)) return -1;
    const LRESULT hit = SendMessageA(controls[slot], LB_ITEMFROMPOINT, 0, MAKELPARAM(at.x, at.y));
    // The high word is set for a point below the last row.
    if (hit < 0 || HIWORD(hit) != 0) return -1;
    return LOWORD(hit);
}

void CSearchView::AddRow(int slot, const char* text) const {
    SendMessageW(controls[slot], LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
}

void CSearchView::ClearRows(int slot) const { SendMessageA(controls[slot], LB_RESETCONTENT, 0, 0); }

void CSearchView::JudgeFullName(const char* fullName) const {
    if (owner && owner->host.judgeFullName) owner->host.judgeFullName(fullName);
}

void FormatRankedRow(char* out, std::size_t capacity, int32_t rank, int32_t score,
                     const char* text, const char* reading) {
    if (reading)
        FormatText(out, capacity, "%3d位 (%d点)    %s (%s)", rank, score, text, reading);
    else
        FormatText(out, capacity, "%3d位 (%d点)    %s", rank, score, text);
}

}  // namespace hoshikura
