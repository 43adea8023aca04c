// The detail windows of the four scoring methods of one name: stroke numbers
// (kind 2), five elements (kind 3), yin and yang (kind 4) and same-stroke
// patterns (kind 5). One class; the title and the drawing follow the kind.
#pragma once

#include <windows.h>

#include "grid_diagram_geometry.h"
#include "person_view.h"

namespace hoshikura {

class CMethodView : public CPersonView {
public:
    using CPersonView::CPersonView;
    void Paint(CDrawContext& dc) override;
    // No buttons: commands are ignored.
    void OnCommand(UINT, WPARAM, LPARAM) override {}
    // Title by kind, the character layout, and the size: the yin-yang and
    // same-stroke views grow with the name, the other two have fixed sizes.
    void PrepareWindow() override;
    bool CreateControls() override { return true; }

    CColumnLayout column = {};
};

}  // namespace hoshikura
