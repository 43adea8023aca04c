#include "stroke_search_view.h"

#include "draw_context.h"
#include "generation_filter.h"
#include "sample_name.h"
#include "sex_filter.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

constexpr ListPlace kPatternPlace = {16, 176};
constexpr ListPlace kSamplePlace = {216, 240};

constexpr int kLabelHeight = 15;
constexpr char kLabelFace[] = "ゴシック";
constexpr char kChooseHint[] = "画数を選択すると名前を表示します";
constexpr char kDoubleClickHint[] = "(ﾀﾞﾌﾞﾙｸﾘｯｸで姓名判断)";

void FormatPatternRow(char* out, std::size_t capacity, const StrokeResult& row) {
    if (row.characterCount >= 2)
        FormatText(out, capacity, "%d点 %2d画 - %2d画", row.score, row.strokes[0], row.strokes[1]);
    else
        FormatText(out, capacity, "%d点     %2d画", row.score, row.strokes[0]);
}

}  // namespace

CStrokeSearchView::CStrokeSearchView()
    : CSearchView(kStrokeSearchView, kPatternPlace, kSamplePlace) {}

void CStrokeSearchView::FormatTitle(char* out, std::size_t capacity) const {
    FormatText(out, capacity, "[%s]さんの%s名検索結果%s", search.surname,
               search.wantGood ? "良" : "悪", FilterTitleSuffix(sexChoice, todayOnly));
}

void CStrokeSearchView::FillLists() {
    char row[kSearchTextSize];
    for (int i = 0; i < search.resultCount && i < kRankingRows; ++i) {
        FormatPatternRow(row, sizeof row, search.results[i]);
        AddRow(kPatternList, row);
    }
}

int32_t CStrokeSearchView::SelectedSampleCount() const {
    return samples ? AdmittedSampleCount(*samples, selectedFirst, selectedRest, sexChoice, todayOnly) : 0;
}

void CStrokeSearchView::ShowSampleNames(int32_t firstStrokes, int32_t restStrokes) {
    ClearRows(kSampleList);
    // The count is 0 for a key beyond the name table.
    const int32_t listed = samples ? AdmittedSampleCount(*samples, firstStrokes, restStrokes, sexChoice, todayOnly) : 0;
    char row[kSearchTextSize];
    for (int32_t i = 0; i < listed; ++i) {
        const int32_t k = AdmittedSampleIndex(*samples, firstStrokes, restStrokes, sexChoice, i, todayOnly);
        char written[kMaxWrittenBytes + 1] = "";
        char reading[kMaxReadingBytes + 1] = "";
        samples->GetSampleKj(firstStrokes, restStrokes, k, written);
        samples->GetSampleYomi(firstStrokes, restStrokes, k, reading);
        FormatText(row, sizeof row, " %s  (%s)", written, reading);
        AddRow(kSampleList, row);
    }
    if (listed == 0) AddRow(kSampleList, EmptyResultText(todayOnly));
}

void CStrokeSearchView::OnCommand(UINT message, WPARAM wparam, LPARAM lparam) {
    if (FromList(message, wparam, lparam, kPatternList, LBN_SELCHANGE))
        ChoosePattern(SelectedRow(kPatternList));
    else if (FromList(message, wparam, lparam, kSampleList, LBN_DBLCLK))
        OpenRow(kSampleList, DoubleClickedRow(kSampleList));
}

// Only the sample list's rows open a judgement; the pattern list acts on
// its selection alone.
void CStrokeSearchView::OpenRow(int slot, int row) {
    if (slot == kSampleList) JudgeSample(row);
}

// The pattern list's rows are the ranking's rows in order, so the chosen
// row gives its stroke key directly; no selection, or a row the ranking
// does not hold, changes nothing.
void CStrokeSearchView::ChoosePattern(int row) {
    if (row < 0 || row >= search.resultCount) return;
    search.SampleKey(row, selectedFirst, selectedRest);
    ShowSampleNames(selectedFirst, selectedRest);
    InvalidateRect(window, nullptr, TRUE);
}

// The sample list's rows are the key's listed entries, most common first;
// "該当なし", a double-click beside the rows or a row past the entries opens
// nothing.
void CStrokeSearchView::JudgeSample(int row) const {
    if (!samples) return;
    const int32_t k = AdmittedSampleIndex(*samples, selectedFirst, selectedRest, sexChoice, row, todayOnly);
    if (k < 0) return;
    char written[kMaxWrittenBytes + 1] = "";
    samples->GetSampleKj(selectedFirst, selectedRest, k, written);
    char fullName[kSearchTextSize];
    FormatText(fullName, sizeof fullName, "%s %s", search.surname, written);
    JudgeFullName(fullName);
}

void CStrokeSearchView::FormatSampleLabel(char* out, std::size_t capacity) const {
    if (selectedFirst == 0) {
        CopyText(out, capacity, kChooseHint);
        return;
    }
    const char* hint = SelectedSampleCount() > 0 ? kDoubleClickHint : "";
    if (selectedRest == 0)
        FormatText(out, capacity, "%d画 の名前%s", selectedFirst, hint);
    else
        FormatText(out, capacity, "%d画-%d画%s", selectedFirst, selectedRest, hint);
}

void CStrokeSearchView::Paint(CDrawContext& dc) {
    char heading[kSearchTextSize];
    FormatText(heading, sizeof heading, "「%s」さんの%sになる画数検索結果", search.surname,
               search.wantGood ? "吉" : "凶");
    const COLORREF colour = search.wantGood ? kGoodHeadingColour : kBadHeadingColour;
    PaintHeading(dc, heading, colour, {64, 8}, nullptr, {0, 0});

    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    dc.colour = 0;
    dc.SetFont({kLabelFace, kLabelHeight});
    dc.DrawStringOn(16, 36, "名前の画数と得点", face);
    char label[kSearchTextSize];
    FormatSampleLabel(label, sizeof label);
    dc.DrawStringOn(212, 36, label, face);
}

}  // namespace hoshikura
