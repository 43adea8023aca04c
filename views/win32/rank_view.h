// The Best10 & Worst10 window: the two rank lists side by side as they were
// when it opened or at its last refresh, with buttons to refresh and to
// clear both lists.
#pragma once

#include <cstddef>

#include "rank_list.h"
#include "view.h"

namespace hoshikura {

enum RankButton { kRefreshButton = 0, kClearButton = 1, kRankButtonCount = 2 };

class CRankView : public CView {
public:
    CRankView() : CView(kRankView) {}
    void Paint(CDrawContext& dc) override;
    // Acts only while this window is the list's open ranking window.
    void OnCommand(UINT message, WPARAM wparam, LPARAM lparam) override;
    void PrepareWindow() override;
    bool CreateControls() override;
    const char* Surname() const override { return ""; }
    const char* GivenName() const override { return ""; }

    // The program's lists, which judgements keep offering names to.
    CRankLists* lists = nullptr;
    // What every paint shows: one consistent state of the lists, never a
    // mixture of an old paint and a judgement made since.
    CRankLists shown{};
};

// " 1st", " 2nd", " 3rd", " 4th" … "10th" for the places 1 to 10.
void FormatPlace(int place, char* out, std::size_t size);
// "<surname> <given name>" padded to 20 bytes, a blank and the score as
// "%3d点"; a longer name pushes the score to the right.
void FormatRankRow(const CRankList& list, int row, char* out, std::size_t size);

}  // namespace hoshikura
