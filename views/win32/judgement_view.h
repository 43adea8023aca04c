// The judgement result window of one name: the grid diagram, the luck class
// of every grid, the four method scores and the total, and the buttons that
// open the explanation and method views, print the judgement and put the
// name on the candidate list.
#pragma once

#include "grid_diagram.h"
#include "person_view.h"

namespace hoshikura {

// Button ids (= control slots): explanation, the four methods, print.
enum JudgementButton {
    kExplainButton = 0,
    kFirstMethodButton = 1,
    kLastMethodButton = 4,
    kPrintButton = 5,
    kJudgementButtonCount = 6,
    // Beside the explanation button, in space the rows leave free.
    kAddCandidateButton = 6,
};

// Where the diagram's column stands in the judgement window.
constexpr int kJudgementColumnX = 82;

class CJudgementView : public CPersonView {
public:
    explicit CJudgementView(int32_t viewKind = kJudgementView) : CPersonView(viewKind) {}
    void Paint(CDrawContext& dc) override;
    // Only clicks of its own buttons: explanation and methods open views of
    // kinds 1 to 5 for this name, print prints it.
    void OnCommand(UINT message, WPARAM wparam, LPARAM lparam) override;
    // Title, character layout and window size.
    void PrepareWindow() override;
    bool CreateControls() override;

    CColumnLayout column = {};
};

}  // namespace hoshikura
