#include "compose_search_view.h"

#include "sex_filter.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

constexpr ListPlace kComposePlace = {24, 336};
// The reading search's yellow: this window answers the same question.
constexpr COLORREF kComposeColour = 0x00FFFF;
constexpr POINT kHeadingAt = {2, 8};
constexpr POINT kSecondLineAt = {200, 32};

}  // namespace

CComposeSearchView::CComposeSearchView() : CRankedSearchView(kComposeSearchView, kComposePlace) {}

void CComposeSearchView::RunSearch() {
    if (samples) search.RunSearch(*samples);
}

void CComposeSearchView::FormatTitle(char* out, std::size_t capacity) const {
    FormatText(out, capacity, "[%s] + [%s]さんの組み立て結果%s", search.surname, search.reading,
               SexChoiceTitleSuffix(search.sex));
}

void CComposeSearchView::Paint(CDrawContext& dc) {
    char heading[kSearchTextSize];
    FormatText(heading, sizeof heading, "「%s」+「%s」さん", search.surname, search.reading);
    PaintHeading(dc, heading, kComposeColour, kHeadingAt, "の組み立て結果", kSecondLineAt);
}

void CComposeSearchView::FormatRow(int i, char* out, std::size_t capacity) const {
    search.FormatRow(i, out, capacity);
}

void CComposeSearchView::FormatFullName(int i, char* out, std::size_t capacity) const {
    FormatText(out, capacity, "%s %s", search.surname, search.results[i].written);
}

}  // namespace hoshikura
