// Stands in for a view kind whose window is not built yet: it opens, lists,
// cascades, paints its title and closes like any other view.
#pragma once

#include "person_view.h"

namespace hoshikura {

class CPlaceholderView : public CPersonView {
public:
    using CPersonView::CPersonView;
    void Paint() override;
    void OnCommand(UINT, WPARAM, LPARAM) override {}
    void PrepareWindow() override;
    bool CreateControls() override { return true; }
};

}  // namespace hoshikura
