#include "judgement_view.h"

#include "colours.h"
#include "draw_context.h"
#include "grid_reading.h"
#include "judge.h"
#include "print_page.h"
#include "sjis_text.h"
#include "view_buttons.h"
#include "view_list.h"

namespace hoshikura {

namespace {

constexpr int kGridRowStep = 26;
constexpr int kMethodRowStep = 25;
constexpr int kMethodRows = kMethodCount + 1;  // the four methods and the total

constexpr char kTotalRowName[] = "総合";

constexpr ButtonPlace kButtons[kJudgementButtonCount] = {
    {"解説", {300, 132, 372, 158}}, {"…>", {312, 164, 372, 187}},
    {"…>", {312, 190, 372, 213}},  {"…>", {312, 216, 372, 239}},
    {"…>", {312, 242, 372, 265}},  {"印刷", {312, 268, 372, 291}},
};

constexpr ButtonPlace kAddCandidate = {"候補に追加", {204, 132, 296, 158}};

void DrawGridRows(CDrawContext& dc, const CNameRecord& record, COLORREF background) {
    dc.SetFont({"ゴシック", 17});
    dc.penWidth = 1;
    dc.colour = kBlack;
    for (int g = 0; g < kGridCount; ++g)
        dc.DrawStringOn(208, 4 + kGridRowStep * g, GridName(g), background);
    for (int g = 0; g < kGridCount; ++g)
        dc.DrawPanel(244, 1 + kGridRowStep * g, 372, 25 + kGridRowStep * g, 1);
    for (int g = 0; g < kGridCount; ++g) {
        const GridReading reading = ReadGrid(record, g, nullptr);
        char number[kGridTextSize];
        FormatGridNumber(reading, number, sizeof number);
        char text[kGridTextSize + 16];
        FormatText(text, sizeof text, "[%s] %s", number, LuckWordOf(reading));
        dc.colour = LuckColour(reading.luck);
        // The two extremes stand out in bold.
        const bool extreme = reading.hasLuck && (reading.luck == kVeryLucky || reading.luck == kVeryUnlucky);
        dc.SetFont({"MS Pゴシック", 18, extreme ? kBold : kPlain});
        // A number read as another needs more room than the panel has:
        // the row is set smaller rather than run past it.
        const int top = 4 + kGridRowStep * g;
        dc.DrawStringWithin({247, top, 370, top + 20}, text, background);
    }
}

void DrawMethodRows(CDrawContext& dc, const CNameRecord& record, COLORREF background) {
    dc.DrawEtchedLine(200, 160, 184);
    dc.SetFont({"ゴシック", 17, kBold});
    dc.colour = kBlack;
    for (int m = 0; m < kMethodRows; ++m)
        dc.DrawStringOn(208, 170 + kMethodRowStep * m, m < kMethodCount ? MethodName(m) : kTotalRowName,
                        background);
    dc.colour = kWhite;
    for (int m = 0; m < kMethodRows; ++m)
        dc.DrawPanel(244, 166 + kMethodRowStep * m, 304, 190 + kMethodRowStep * m, 1);
    dc.colour = kBlack;
    dc.SetFont({"ゴシック", 17});
    for (int m = 0; m < kMethodRows; ++m) {
        const int32_t score = m < kMethodCount ? record.scores[m] : record.totalScore;
        char text[16];
        FormatText(text, sizeof text, "%3d点", static_cast<int>(score));
        dc.DrawString(252, 170 + kMethodRowStep * m, text);
    }
}

}  // namespace

void CJudgementView::PrepareWindow() {
    FormatText(title, sizeof title, "[ %s %s ]", record.surname, record.givenName);
    width = ViewSizeOf(kind).width;
    height = LayOutCharacters(record, MetricForDpi(SM_CYCAPTION, kDesignDpi), &column);
}

bool CJudgementView::CreateControls() {
    const RECT& area = kAddCandidate.area;
    return AddButtons(kButtons, kJudgementButtonCount) &&
           AddControl(kAddCandidateButton, "BUTTON", kAddCandidate.text, WS_TABSTOP | BS_PUSHBUTTON, area.left,
                      area.top, area.right - area.left, area.bottom - area.top,
                      kFirstButtonId + kAddCandidateButton);
}

void CJudgementView::OnCommand(UINT message, WPARAM wparam, LPARAM lparam) {
    const int button = ClickedButton(*this, message, wparam, lparam, kAddCandidateButton + 1);
    if (button < 0 || !owner) return;
    const CViewHost& host = owner->host;
    if (button == kAddCandidateButton) {
        if (host.addCandidate) host.addCandidate(Surname(), GivenName());
        return;
    }
    if (button == kPrintButton) {
        PrintJudgement(window, record, fortunes);
        return;
    }
    // Explanation is kind 1, the methods kinds 2 to 5.
    if (host.openPersonView)
        host.openPersonView(static_cast<ViewKind>(kExplanationView + button), Surname(), GivenName());
}

void CJudgementView::Paint(CDrawContext& dc) {
    const COLORREF background = GetSysColor(COLOR_BTNFACE);
    DrawGridDiagram(dc, record, column, kDiagramBrackets, kJudgementColumnX);
    DrawGridRows(dc, record, background);
    DrawMethodRows(dc, record, background);
}

}  // namespace hoshikura
