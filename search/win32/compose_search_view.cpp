#include "compose_search_view.h"

#include "generation_filter.h"
#include "sex_filter.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

constexpr ListPlace kComposePlace = {24, 336};

}  // namespace

CComposeSearchView::CComposeSearchView() : CStoreSearchView(kComposeSearchView, kComposePlace) {}

void CComposeSearchView::FormatTitle(char* out, std::size_t capacity) const {
    FormatText(out, capacity, "[%s] + [%s]さんの組み立て結果%s", search.surname, search.reading,
               FilterTitleSuffix(search.sex, search.todayOnly));
}

// The reading search's heading: this window answers the same question.
void CComposeSearchView::Paint(CDrawContext& dc) {
    PaintReadingHeading(dc, search.surname, search.reading, "の組み立て結果");
}

void CComposeSearchView::FormatRow(int i, char* out, std::size_t capacity) const {
    search.FormatRow(i, out, capacity);
}

void CComposeSearchView::FormatFullName(int i, char* out, std::size_t capacity) const {
    FormatText(out, capacity, "%s %s", search.surname, search.results[i].written);
}

}  // namespace hoshikura
