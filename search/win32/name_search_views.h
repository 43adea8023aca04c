// The windows of the three ranked searches: names with a reading (kind 9),
// names containing one kanji (kind 10) and surnames for a given name (kind
// 11). Each shows one list of ranked rows, "該当なし" when the ranking is
// empty, and judges the double-clicked row's full name.
#pragma once

#include <cstddef>

#include "kanji_search.h"
#include "reading_search.h"
#include "generation_filter.h"
#include "search_view.h"
#include "surname_search.h"

namespace hoshikura {

class CRankedSearchView : public CSearchView {
public:
    static constexpr int kResultList = 0;

    using CSearchView::CSearchView;
    // A double-click on a ranked row (or Enter on it) judges its full name;
    // one without a selection, on "該当なし" or past the ranking does nothing.
    void OnCommand(UINT message, WPARAM wparam, LPARAM lparam) override;

    virtual int32_t RankedCount() const = 0;
    // The list text of ranking row i (0 <= i < RankedCount()).
    virtual void FormatRow(int i, char* out, std::size_t capacity) const = 0;
    // "surname given name" of ranking row i, as JudgeFullName takes it.
    virtual void FormatFullName(int i, char* out, std::size_t capacity) const = 0;
    // The one row of an empty ranking.
    virtual const char* EmptyRow() const { return kNoResultRow; }

protected:
    void FillLists() override;
    void OpenRow(int slot, int row) override;
    // "「surname」+「reading」さん" in yellow over `secondLine`: the heading
    // of the windows that answer a reading.
    static void PaintReadingHeading(CDrawContext& dc, const char* surname, const char* reading,
                                    const char* secondLine);
};

// The ranked window of one search over the sample store it was handed.
template <typename Search>
class CStoreSearchView : public CRankedSearchView {
public:
    using CRankedSearchView::CRankedSearchView;
    void RunSearch() override {
        if (samples) search.RunSearch(*samples);
    }
    int32_t RankedCount() const override { return search.resultCount; }

    Search search;
};

// The reading and the kanji search rank sample given names the same way;
// they differ in their query, title and heading, and in whether a row shows
// the sample's reading.
template <typename Search>
class CNameResultView : public CStoreSearchView<Search> {
public:
    using CStoreSearchView<Search>::search;

    CNameResultView(int32_t viewKind, ListPlace place, bool withReading)
        : CStoreSearchView<Search>(viewKind, place), withReading_(withReading) {}

    void SetQuery(const char* surname, const char* wanted) { search.SetQuery(surname, wanted); }
    // Whose sample names are listed: the sex choice and names of today only.
    void SetNameChoice(int32_t sex, int32_t todayOnly) {
        search.sexChoice = sex;
        search.todayOnly = todayOnly;
    }
    const char* EmptyRow() const override { return EmptyResultText(search.todayOnly); }
    const char* Surname() const override { return search.surname; }
    const char* GivenName() const override { return ""; }

    void FormatRow(int i, char* out, std::size_t capacity) const override;
    void FormatFullName(int i, char* out, std::size_t capacity) const override;

private:
    bool withReading_;
};

extern template class CNameResultView<CReadingSearch>;
extern template class CNameResultView<CKanjiSearch>;

class CReadingSearchView : public CNameResultView<CReadingSearch> {
public:
    CReadingSearchView();
    void Paint(CDrawContext& dc) override;

protected:
    void FormatTitle(char* out, std::size_t capacity) const override;
};

class CKanjiSearchView : public CNameResultView<CKanjiSearch> {
public:
    CKanjiSearchView();
    void Paint(CDrawContext& dc) override;

protected:
    void FormatTitle(char* out, std::size_t capacity) const override;
};

class CSurnameSearchView : public CStoreSearchView<CSurnameSearch> {
public:
    CSurnameSearchView();

    void SetQuery(int32_t wantGood, const char* givenName) { search.SetQuery(wantGood, givenName); }
    void Paint(CDrawContext& dc) override;
    const char* Surname() const override { return ""; }
    const char* GivenName() const override { return search.givenName; }

    void FormatRow(int i, char* out, std::size_t capacity) const override;
    void FormatFullName(int i, char* out, std::size_t capacity) const override;

protected:
    void FormatTitle(char* out, std::size_t capacity) const override;
};

}  // namespace hoshikura
