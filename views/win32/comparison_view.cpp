#include "comparison_view.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "child_window.h"
#include "colours.h"
#include "draw_context.h"
#include "message_sink.h"
#include "print_page.h"
#include "sjis_text.h"
#include "view_buttons.h"
#include "view_list.h"
#include "wide_text.h"
#include "window_placement.h"

namespace hoshikura {

namespace {

constexpr char kListClass[] = "SysListView32";
constexpr char kDeleteQuestion[] = "選んだ候補を削除しますか？";
constexpr char kDeleteCaption[] = "候補の削除";
constexpr char kNotCopied[] = "候補の表をクリップボードにコピーできませんでした。";
constexpr char kTitle[] = "候補の比較";  // of the window and of the page

// Widths of the columns in 96-dpi pixels: name, five grids, four methods,
// total, its word.
constexpr int kColumnWidths[kComparisonColumns] = {88, 78, 78, 78, 78, 78, 38, 38, 38, 38, 44, 70};

// The printed page, in page units (600 across): thirty rows and the
// heading fit its 830 units down. A row has room for a grid's second line,
// the number it counts as.
constexpr int kPageColumnWidths[kComparisonColumns] = {74, 62, 62, 62, 62, 62, 30, 28, 28, 28, 32, 60};
constexpr int kPageLeft = 5;
constexpr int kPageTableTop = 70;
constexpr int kPageRowHeight = 24;
constexpr int kPageTextHeight = 12;
constexpr int kPageNoteHeight = 9;
static_assert(kPageTableTop + kPageRowHeight * 31 <= kPageUnitsTall, "thirty rows on one page");

constexpr int kListLeft = 4;
constexpr int kListTop = 4;
constexpr int kButtonHeight = 26;

constexpr ButtonPlace kButtons[] = {
    {"コピー", {0, 0, 96, kButtonHeight}},
    {"印刷", {0, 0, 96, kButtonHeight}},
};

// The grid a column shows, or -1 for a column of another kind.
int GridOfColumn(int column) {
    return column >= kFirstGridColumn && column < kFirstMethodColumn ? column - kFirstGridColumn : -1;
}

// The colour a cell is written in: a grid's luck colour, black otherwise.
COLORREF CellColour(const ComparisonRow& row, int column) {
    const int grid = GridOfColumn(column);
    if (grid < 0 || !row.grids[grid].hasLuck) return kBlack;
    return LuckColour(row.grids[grid].luck);
}

// CP932 text as UTF-16 in a movable global block, for the clipboard.
HGLOBAL UnicodeBlock(const std::string& text) {
    const std::wstring wide = Wide(text.c_str(), text.size());
    const SIZE_T bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!block) return nullptr;
    if (void* locked = GlobalLock(block)) std::memcpy(locked, wide.c_str(), bytes);
    GlobalUnlock(block);
    return block;
}

bool ControlDown() { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }

void AddColumns(HWND list, int dpi) {
    for (int column = 0; column < kComparisonColumns; ++column) {
        std::wstring heading = Wide(ComparisonHeading(column));
        LVCOLUMNW item = {};
        item.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        item.fmt = column >= kFirstMethodColumn && column <= kTotalColumn ? LVCFMT_RIGHT : LVCFMT_LEFT;
        item.cx = Scaled(kColumnWidths[column], dpi);
        item.pszText = &heading[0];
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    }
}

}  // namespace

void CComparisonView::PrepareWindow() {
    CopyText(title, sizeof title, kTitle);
    // Wide enough for every column where the window area allows (the
    // total and its word stand last), never narrower than fits a 640×480
    // frame; the list scrolls across what does not fit.
    int columns = 0;
    for (int column : kColumnWidths) columns += column;
    const int listFrame = 2 * GetSystemMetrics(SM_CXBORDER) + MetricForDpi(SM_CXVSCROLL, kDesignDpi);
    const int wanted = WidthForClient(columns + listFrame + 2 * kListLeft);
    width = std::max(ViewSizeOf(kind).width, std::min(wanted, WindowAreaWidth()));
    height = ViewSizeOf(kind).height;
}

bool CComparisonView::CreateControls() {
    const SIZE client = DesignClient();
    const int listWidth = client.cx - 2 * kListLeft;
    const int buttonTop = client.cy - kButtonHeight - 6;
    HWND list = AddControl(kComparisonList, kListClass, "",
                           WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS, kListLeft, kListTop, listWidth,
                           buttonTop - 6 - kListTop, kFirstButtonId + kComparisonList);
    if (!list) return false;
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    AddColumns(list, dpi);
    // Escape on the header (a child of the list) asks to close the view too.
    if (HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0)))
        SubclassControl(header, EscapeToParentProc);
    for (int k = 0; k < 2; ++k) {
        const int slot = kCopyButton + k;
        const int left = client.cx - (2 - k) * (kButtons[k].area.right + 6);
        if (!AddControl(slot, "BUTTON", kButtons[k].text, WS_TABSTOP | BS_PUSHBUTTON, left, buttonTop,
                        kButtons[k].area.right, kButtonHeight, kFirstButtonId + slot))
            return false;
    }
    FillList();
    SetFocus(list);
    return true;
}

void CComparisonView::ChangeDpi(int newDpi) {
    CView::ChangeDpi(newDpi);
    for (int column = 0; column < kComparisonColumns; ++column)
        SendMessageA(controls[kComparisonList], LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                     Scaled(kColumnWidths[column], dpi));
}

void CComparisonView::SetNames(const CandidateNames& names) {
    const int column = table_.SortColumn();
    const SortOrder order = table_.Order();
    table_.Set(names);
    table_.SortBy(column, order);
    FillList();
}

void CComparisonView::FillList() {
    HWND list = controls[kComparisonList];
    if (!list) return;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    for (int row = 0; row < table_.Rows(); ++row) {
        for (int column = 0; column < kComparisonColumns; ++column) {
            char text[kComparisonCellSize];
            table_.CellText(row, column, text, sizeof text);
            std::wstring cell = Wide(text);
            LVITEMW item = {};
            item.mask = LVIF_TEXT;
            item.iItem = row;
            item.iSubItem = column;
            item.pszText = &cell[0];
            SendMessageW(list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(&item));
        }
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

std::vector<int> CComparisonView::SelectedEntries() const {
    std::vector<int> entries;
    HWND list = controls[kComparisonList];
    for (int row = -1; list;) {
        row = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED));
        if (row < 0 || row >= table_.Rows()) break;
        entries.push_back(table_.Row(row).entry);
    }
    std::sort(entries.rbegin(), entries.rend());
    return entries;
}

bool CComparisonView::CopyTable() const {
    HGLOBAL block = UnicodeBlock(table_.TabSeparatedText("\r\n"));
    if (!block) return false;
    if (!OpenClipboard(window)) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    CloseClipboard();
    if (!placed) GlobalFree(block);  // the clipboard owns it only once placed
    return placed;
}

void CComparisonView::DeleteSelected() {
    const std::vector<int> entries = SelectedEntries();
    if (entries.empty() || !owner || !owner->host.removeCandidates) return;
    if (MessageBoxOver(window, kDeleteQuestion, kDeleteCaption, MB_ICONQUESTION | MB_YESNO | MB_DEFBUTTON2) != IDYES)
        return;
    owner->host.removeCandidates(entries);
}

void CComparisonView::JudgeRow(int row) const {
    if (row < 0 || row >= table_.Rows() || !owner || !owner->host.judgeFullName) return;
    char line[kComparisonCellSize];
    table_.CellText(row, kNameColumn, line, sizeof line);
    owner->host.judgeFullName(line);
}

void CComparisonView::OnKey(WORD key) {
    if (key == VK_DELETE) {
        DeleteSelected();
    } else if (key == 'C' && ControlDown()) {
        if (!CopyTable()) ShowMessage("%s", kNotCopied);
    }
}

void CComparisonView::OnEnter(HWND focus) {
    HWND list = controls[kComparisonList];
    if (focus != list) {
        CView::OnEnter(focus);
        return;
    }
    JudgeRow(static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED)));
}

void CComparisonView::OnCommand(UINT message, WPARAM wparam, LPARAM lparam) {
    const int button = ClickedButton(*this, message, wparam, lparam, kComparisonControlCount);
    if (button == kCopyButton && !CopyTable()) ShowMessage("%s", kNotCopied);
    if (button == kComparisonPrintButton)
        PrintPage(window, [this](HDC dc, int w, int h) { DrawComparisonPage(dc, table_, w, h); });
}

LRESULT CComparisonView::OnCustomDraw(LPARAM lparam) const {
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(lparam);
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        const int row = static_cast<int>(draw->nmcd.dwItemSpec);
        if (row >= 0 && row < table_.Rows()) draw->clrText = CellColour(table_.Row(row), draw->iSubItem);
        return CDRF_DODEFAULT;
    }
    default:
        return CDRF_DODEFAULT;
    }
}

LRESULT CComparisonView::OnNotify(WPARAM, LPARAM lparam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lparam);
    if (!header || header->hwndFrom != controls[kComparisonList]) return 0;
    switch (header->code) {
    case NM_CUSTOMDRAW:
        return OnCustomDraw(lparam);
    case LVN_COLUMNCLICK: {
        const int column = reinterpret_cast<const NMLISTVIEW*>(lparam)->iSubItem;
        // Names first from あ, numbers from the highest; a second click on
        // the same column turns the order round.
        const bool textual = column == kNameColumn;
        const SortOrder first = textual ? SortOrder::kAscending : SortOrder::kDescending;
        const SortOrder other = textual ? SortOrder::kDescending : SortOrder::kAscending;
        table_.SortBy(column, column == table_.SortColumn() && table_.Order() == first ? other : first);
        FillList();
        return 0;
    }
    case NM_DBLCLK:
        JudgeRow(reinterpret_cast<const NMITEMACTIVATE*>(lparam)->iItem);
        return 0;
    case NM_RETURN:
        JudgeRow(static_cast<int>(SendMessageA(controls[kComparisonList], LVM_GETNEXTITEM,
                                               static_cast<WPARAM>(-1), LVNI_FOCUSED)));
        return 0;
    case LVN_KEYDOWN:
        OnKey(reinterpret_cast<const NMLVKEYDOWN*>(lparam)->wVKey);
        return 0;
    default:
        return 0;
    }
}

void CComparisonView::Paint(CDrawContext&) {
    // The list and the buttons draw themselves; the window's background is
    // erased by its class.
}

namespace {

// One cell of the page. A grid read as another number takes two lines,
// "117画 吉数" over "（37画として）", as one line would not fit its column.
void DrawPageCell(CDrawContext& page, const CNameComparison& table, int row, int column, const RECT& box) {
    char text[kComparisonCellSize];
    char note[kGridTextSize] = "";
    if (row < 0) {
        CopyText(text, sizeof text, ComparisonHeading(column));
    } else {
        table.CellText(row, column, text, sizeof text, CountedNote::kLeftOut);
        if (column >= kFirstGridColumn && column < kFirstMethodColumn)
            FormatCountedNote(table.Row(row).grids[column - kFirstGridColumn], note, sizeof note);
    }
    page.colour = row < 0 ? kBlack : CellColour(table.Row(row), column);
    page.SetFont({kPageFace, kPageTextHeight, row < 0 ? kBold : kPlain});
    page.DrawStringWithin({box.left, box.top, box.right, box.top + kPageTextHeight + 1}, text, kWhite);
    if (note[0] == '\0') return;
    page.SetFont({kPageFace, kPageNoteHeight, kPlain});
    page.DrawStringWithin({box.left, box.top + kPageTextHeight + 1, box.right, box.bottom}, note, kWhite);
}

}  // namespace

void DrawComparisonPage(HDC dc, const CNameComparison& table, int width, int height) {
    CDrawContext page(dc, PageScale(width, height));
    page.SetFont({kPageFace, 24, kBold});
    page.colour = kBlack;
    page.DrawStringOn(20, 20, kTitle, kWhite);
    for (int row = -1; row < table.Rows(); ++row) {
        const int top = kPageTableTop + kPageRowHeight * (row + 1);
        int left = kPageLeft;
        for (int column = 0; column < kComparisonColumns; ++column) {
            DrawPageCell(page, table, row, column,
                         {left, top, left + kPageColumnWidths[column] - 2, top + kPageRowHeight - 2});
            left += kPageColumnWidths[column];
        }
    }
}

}  // namespace hoshikura
