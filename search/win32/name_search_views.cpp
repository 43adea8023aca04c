#include "name_search_views.h"

#include "sex_filter.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

constexpr ListPlace kReadingPlace = {48, 216};
constexpr ListPlace kKanjiPlace = {24, 336};
constexpr ListPlace kSurnamePlace = {16, 256};

constexpr POINT kReadingSecondLineAt = {200, 32};
constexpr COLORREF kKanjiColour = 0x00C000;

constexpr POINT kHeadingAt = {2, 8};

}  // namespace

void CRankedSearchView::FillLists() {
    const int32_t count = RankedCount();
    if (count <= 0) {
        AddRow(kResultList, EmptyRow());
        return;
    }
    char row[kSearchTextSize];
    for (int i = 0; i < count && i < kRankingRows; ++i) {
        FormatRow(i, row, sizeof row);
        AddRow(kResultList, row);
    }
}

// The list's rows are the ranking's rows in order. Only a double-click on a
// row acts, and its index is checked against the ranking itself: the one
// row of an empty ranking is "該当なし".
void CRankedSearchView::OnCommand(UINT message, WPARAM wparam, LPARAM lparam) {
    if (FromList(message, wparam, lparam, kResultList, LBN_DBLCLK))
        OpenRow(kResultList, DoubleClickedRow(kResultList));
}

void CRankedSearchView::OpenRow(int slot, int row) {
    if (slot != kResultList || row < 0 || row >= RankedCount() || row >= kRankingRows) return;
    char fullName[kSearchTextSize];
    FormatFullName(row, fullName, sizeof fullName);
    JudgeFullName(fullName);
}

void CRankedSearchView::PaintReadingHeading(CDrawContext& dc, const char* surname,
                                            const char* reading, const char* secondLine) {
    char heading[kSearchTextSize];
    FormatText(heading, sizeof heading, "「%s」+「%s」さん", surname, reading);
    PaintHeading(dc, heading, kReadingHeadingColour, kHeadingAt, secondLine, kReadingSecondLineAt);
}

template <typename Search>
void CNameResultView<Search>::FormatRow(int i, char* out, std::size_t capacity) const {
    const NameResult& row = search.results[i];
    FormatRankedRow(out, capacity, ShownRank(search.results, i), row.score, row.written,
                    withReading_ ? row.reading : nullptr);
}

template <typename Search>
void CNameResultView<Search>::FormatFullName(int i, char* out, std::size_t capacity) const {
    FormatText(out, capacity, "%s %s", search.surname, search.results[i].written);
}

template class CNameResultView<CReadingSearch>;
template class CNameResultView<CKanjiSearch>;

CReadingSearchView::CReadingSearchView()
    : CNameResultView(kReadingSearchView, kReadingPlace, false) {}

void CReadingSearchView::FormatTitle(char* out, std::size_t capacity) const {
    // Short enough that the choices stay left of the caption buttons with
    // five-character names.
    FormatText(out, capacity, "[%s]+[%s]%sの名前", search.surname, search.reading,
               FilterTitleSuffix(search.sexChoice, search.todayOnly));
}

void CReadingSearchView::Paint(CDrawContext& dc) {
    PaintReadingHeading(dc, search.surname, search.reading, "の検索結果");
}

CKanjiSearchView::CKanjiSearchView() : CNameResultView(kKanjiSearchView, kKanjiPlace, true) {}

void CKanjiSearchView::FormatTitle(char* out, std::size_t capacity) const {
    FormatText(out, capacity, "[%s] を使用した [%s]さんの良名検索結果%s", search.character,
               search.surname, FilterTitleSuffix(search.sexChoice, search.todayOnly));
}

void CKanjiSearchView::Paint(CDrawContext& dc) {
    char heading[kSearchTextSize];
    FormatText(heading, sizeof heading, "「%s」を使用した「%s」さんの", search.character,
               search.surname);
    PaintHeading(dc, heading, kKanjiColour, kHeadingAt, "良名検索結果", {260, 32});
}

CSurnameSearchView::CSurnameSearchView() : CStoreSearchView(kSurnameSearchView, kSurnamePlace) {}

void CSurnameSearchView::FormatTitle(char* out, std::size_t capacity) const {
    FormatText(out, capacity, "[%s]さん　%s姓の検索結果", search.givenName,
               search.wantGood ? "良い" : "悪い");
}

void CSurnameSearchView::Paint(CDrawContext& dc) {
    char heading[kSearchTextSize];
    FormatText(heading, sizeof heading, "「%s」さんの%sになる", search.givenName,
               search.wantGood ? "吉" : "凶");
    PaintHeading(dc, heading, search.wantGood ? kGoodHeadingColour : kBadHeadingColour, kHeadingAt,
                 "苗字の画数検索結果", {114, 32});
}

void CSurnameSearchView::FormatRow(int i, char* out, std::size_t capacity) const {
    const SurnameResult& row = search.results[i];
    FormatRankedRow(out, capacity, ShownRank(search.results, i), row.score, row.surname);
}

void CSurnameSearchView::FormatFullName(int i, char* out, std::size_t capacity) const {
    FormatText(out, capacity, "%s %s", search.results[i].surname, search.givenName);
}

}  // namespace hoshikura
