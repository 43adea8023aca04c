#include "explanation_view.h"

#include <commctrl.h>
#include <richedit.h>

#include <cwchar>

#include "child_window.h"
#include "colours.h"
#include "grid_reading.h"
#include "judge.h"
#include "sjis_text.h"
#include "view_list.h"
#include "wide_text.h"

namespace hoshikura {

namespace {

// The Unicode rich-edit control (MSFTEDIT.DLL): the older ANSI one
// ("RICHEDIT" of RICHED32.DLL) cannot show Japanese text on a Windows whose
// code page is not 932.
constexpr wchar_t kPageClass[] = MSFTEDIT_CLASS;
constexpr wchar_t kPageFace[] = L"ＭＳ Ｐゴシック";
constexpr LONG kPageTextHeight = 240;  // twips: 12 points
// A heading of some 40 bytes and the longest fortune text (446 bytes).
constexpr int kPageTextSize = 1024;
constexpr int kSpanSize = 96;
// The tab control's own padding around a label, at the system's dpi.
constexpr SIZE kTabPadding = {6, 3};

// The grid each tab explains.
constexpr GridIndex kTabGrids[kExplanationTabs] = {kPerson, kEarth, kOuter, kTotal};

// The text of one tab and the two parts of its heading that are marked:
// the heading line (bold) and, inside it, the number with its luck word
// (coloured by the luck class).
struct TabText {
    char text[kPageTextSize];
    char headingLine[kSpanSize];  // " 人格が [12画]（凶数） の人は"
    char luckSpan[kSpanSize];     // "[12画]（凶数）"
    int32_t luckClass;
};

void ComposeTab(const CNameRecord& record, const CFortuneTable* fortunes, int32_t tab,
                TabText* out) {
    const GridReading reading = ReadGrid(record, kTabGrids[tab], fortunes);
    out->luckClass = reading.luck;
    char number[kGridTextSize];
    FormatGridNumber(reading, number, sizeof number);
    FormatText(out->luckSpan, sizeof out->luckSpan, "[%s]（%s）", number, LuckWordOf(reading));
    FormatText(out->headingLine, sizeof out->headingLine, " %sが %s の人は", GridName(reading.grid),
               out->luckSpan);
    // The heading ends with a full-width space that indents the paragraph.
    FormatText(out->text, sizeof out->text, "\n%s\n\n　%s", out->headingLine, reading.text);
}

// Where a text first stands in the control, in the control's own positions.
// The control counts characters, not bytes, and may store line breaks its
// own way, so positions are asked of the control rather than counted in the
// Shift-JIS text. False when the text is not there.
bool FindSpan(HWND page, const char* text, CHARRANGE* found) {
    const std::wstring wide = Wide(text);
    FINDTEXTEXW find = {};
    find.chrg.cpMin = 0;
    find.chrg.cpMax = -1;
    find.lpstrText = wide.c_str();
    if (SendMessageW(page, EM_FINDTEXTEXW, FR_DOWN | FR_MATCHCASE, reinterpret_cast<LPARAM>(&find)) < 0)
        return false;
    *found = find.chrgText;
    return found->cpMax > found->cpMin;
}

void ApplyFormat(HWND page, CHARRANGE range, CHARFORMATW format) {
    SendMessageW(page, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    SendMessageW(page, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

// The whole text in plain black 12-point type.
void ResetFormat(HWND page) {
    CHARFORMATW format = {};
    format.cbSize = sizeof format;
    SendMessageW(page, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    format.dwMask |= CFM_EFFECTS | CFM_SIZE;
    format.dwEffects = 0;
    format.yHeight = kPageTextHeight;
    format.crTextColor = 0;
    SendMessageA(page, EM_SETSEL, 0, -1);
    SendMessageW(page, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

void MarkHeading(HWND page, const TabText& tab) {
    CHARRANGE range;
    if (FindSpan(page, tab.headingLine, &range)) {
        CHARFORMATW bold = {};
        bold.cbSize = sizeof bold;
        bold.dwMask = CFM_BOLD;
        bold.dwEffects = CFE_BOLD;
        ApplyFormat(page, range, bold);
    }
    if (FindSpan(page, tab.luckSpan, &range)) {
        CHARFORMATW colour = {};
        colour.cbSize = sizeof colour;
        colour.dwMask = CFM_COLOR;
        colour.crTextColor = LuckColour(tab.luckClass);
        ApplyFormat(page, range, colour);
    }
    // Caret back to the start; the empty mask changes nothing.
    CHARFORMATW none = {};
    none.cbSize = sizeof none;
    ApplyFormat(page, CHARRANGE{0, 0}, none);
}

}  // namespace

void CExplanationView::PrepareWindow() {
    FormatText(title, sizeof title, "[ %s %s ] さんの解説", record.surname, record.givenName);
    const ViewSize size = ViewSizeOf(kind);
    width = size.width;
    height = size.height;
}

bool CExplanationView::Create(CViewList* list) {
    // The common sequence opens, cascades, shows and counts the window; the
    // controls follow in the window's client area.
    if (!CView::Create(list)) return false;
    if (CreateTabControl() && CreatePage()) {
        if (dpi != SystemDpi()) ZoomPage();
        ShowTab(currentTab);
        return true;
    }
    DiscardWindow();
    return false;
}

bool CExplanationView::CreateTabControl() {
    const SIZE client = DesignClient();
    tabControl = AddControl(kTabSlot, WC_TABCONTROLA, "", WS_TABSTOP, 0, 0, client.cx, client.cy, 0);
    if (!tabControl) return false;
    if (dpi != SystemDpi()) PadTabs(dpi);
    ScaleControlFonts();
    currentTab = 0;
    for (int i = 0; i < kExplanationTabs; ++i) {
        std::wstring name = Wide(GridName(kTabGrids[i]));
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = &name[0];
        if (SendMessageW(tabControl, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item)) < 0)
            return false;
    }
    return true;
}

bool CExplanationView::CreatePage() {
    const RECT place = PageArea();
    page = CreateWindowExW(WS_EX_CLIENTEDGE, kPageClass, L"",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_DISABLENOSCROLL | ES_READONLY |
                               ES_MULTILINE,
                           place.left, place.top, place.right - place.left, place.bottom - place.top, tabControl,
                           nullptr, owner->host.instance, nullptr);
    controls[kPageSlot] = page;
    if (!page) return false;
    SubclassControl(page, EscapeToParentProc);
    BreakLinesInside();
    CHARFORMATW format = {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_BOLD | CFM_CHARSET;
    format.yHeight = kPageTextHeight;
    format.bCharSet = SHIFTJIS_CHARSET;  // a Japanese face whatever the code page
    static_assert(sizeof kPageFace <= sizeof format.szFaceName, "face name fits");
    std::wcscpy(format.szFaceName, kPageFace);
    SendMessageA(page, EM_SETSEL, 0, -1);
    SendMessageW(page, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    // Also as the control's default: every text the tabs put in later starts
    // from it, and the page keeps its face.
    SendMessageW(page, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    return true;
}

RECT CExplanationView::PageArea() const {
    RECT client, area;
    GetClientRect(tabControl, &client);
    area = client;
    SendMessageA(tabControl, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    // Below the tabs, whose height follows their font; the control's side
    // and bottom margins are pixels of the system's dpi.
    const int system = SystemDpi();
    return {MulDiv(area.left, dpi, system) + Scaled(2, dpi), area.top + Scaled(3, dpi),
            client.right - MulDiv(client.right - area.right, dpi, system) - Scaled(2, dpi),
            client.bottom - MulDiv(client.bottom - area.bottom, dpi, system) - Scaled(1, dpi)};
}

void CExplanationView::BreakLinesInside() {
    // Lines break within the client area, left of the scroll bar that the
    // control always shows (some rich-edit versions break them at the
    // window's full width instead and the line ends vanish under the bar).
    RECT lines;
    GetClientRect(page, &lines);
    SendMessageA(page, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&lines));
}

void CExplanationView::ZoomPage() {
    const int system = SystemDpi();
    if (dpi == system)
        SendMessageA(page, EM_SETZOOM, 0, 0);
    else
        SendMessageA(page, EM_SETZOOM, static_cast<WPARAM>(dpi), system);
}

void CExplanationView::PadTabs(int forDpi) {
    const int system = SystemDpi();
    SendMessageA(tabControl, TCM_SETPADDING, 0,
                 MAKELPARAM(MulDiv(kTabPadding.cx, forDpi, system), MulDiv(kTabPadding.cy, forDpi, system)));
}

void CExplanationView::ChangeDpi(int newDpi) {
    if (tabControl) PadTabs(newDpi);
    CView::ChangeDpi(newDpi);
    if (!page) return;
    const RECT place = PageArea();
    MoveWindow(page, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
    BreakLinesInside();
    ZoomPage();
}

void CExplanationView::ShowTab(int32_t tab) {
    if (!page || tab < 0 || tab >= kExplanationTabs) return;
    TabText text;
    ComposeTab(record, fortunes, tab, &text);
    SendMessageW(page, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(text.text).c_str()));
    ResetFormat(page);
    MarkHeading(page, text);
    ShowWindow(page, SW_SHOWNA);
}

void CExplanationView::OnCommand(UINT message, WPARAM, LPARAM lparam) {
    if (message != WM_NOTIFY || !lparam) return;
    const auto* header = reinterpret_cast<const NMHDR*>(lparam);
    if (header->code != static_cast<UINT>(TCN_SELCHANGE) || header->hwndFrom != tabControl) return;
    const LRESULT selected = SendMessageA(tabControl, TCM_GETCURSEL, 0, 0);
    if (selected < 0 || selected >= kExplanationTabs) return;
    currentTab = static_cast<int32_t>(selected);
    // Nothing is drawn on the window itself: the page only gets its text.
    ShowTab(currentTab);
}

}  // namespace hoshikura
