// The window of the stroke-pattern search (kind 8): the ranked patterns on
// the left, the sample names of the chosen pattern on the right.
#pragma once

#include <cstddef>

#include "search_view.h"
#include "stroke_pattern_search.h"

namespace hoshikura {

class CStrokeSearchView : public CSearchView {
public:
    static constexpr int kPatternList = 0;
    static constexpr int kSampleList = 1;

    CStrokeSearchView();

    void SetQuery(const char* surname, int32_t wantGood) { search.SetQuery(surname, wantGood); }
    // Whose sample names are listed: the sex choice and names of today only.
    void SetNameChoice(int32_t sex, int32_t today) {
        sexChoice = sex;
        todayOnly = today;
    }
    void RunSearch() override { search.RunSearch(); }
    void Paint(CDrawContext& dc) override;
    // A pattern chosen in the left list, a sample name double-clicked in
    // the right one (or Enter on it); everything else is ignored.
    void OnCommand(UINT message, WPARAM wparam, LPARAM lparam) override;
    const char* Surname() const override { return search.surname; }
    const char* GivenName() const override { return ""; }

    // Fills the right list with the sample names under the key that the sex
    // choice lists, or with "該当なし" when there are none.
    void ShowSampleNames(int32_t firstStrokes, int32_t restStrokes);
    // The text above the sample list, with the double-click hint when the
    // chosen pattern has sample names.
    void FormatSampleLabel(char* out, std::size_t capacity) const;

    CStrokePatternSearch search;
    int32_t selectedFirst = 0;
    int32_t selectedRest = 0;
    int32_t sexChoice = 0;  // the sample names listed (sex_filter.h)
    int32_t todayOnly = 0;  // 1: names of today only (generation_filter.h)

protected:
    void FormatTitle(char* out, std::size_t capacity) const override;
    void FillLists() override;
    void OpenRow(int slot, int row) override;

private:
    void ChoosePattern(int row);
    void JudgeSample(int row) const;
    int32_t SelectedSampleCount() const;
};

}  // namespace hoshikura
