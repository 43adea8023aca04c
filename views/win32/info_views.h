// The two information windows: the version view (also the start-up splash)
// and the features view. Static drawings without controls or commands.
#pragma once

#include "view.h"

namespace hoshikura {

// A view that holds no person and has no controls.
class CInfoView : public CView {
public:
    using CView::CView;
    void OnCommand(UINT, WPARAM, LPARAM) override {}
    bool CreateControls() override { return true; }
    const char* Surname() const override { return ""; }
    const char* GivenName() const override { return ""; }
};

class CVersionView : public CInfoView {
public:
    CVersionView() : CInfoView(kVersionView) {}
    void Paint(CDrawContext& dc) override;
    void PrepareWindow() override;
    // Centred above the middle of the client.
    bool Create(CViewList* list) override;

    HICON icon = nullptr;  // the program's icon, drawn beside its name
};

class CFeaturesView : public CInfoView {
public:
    CFeaturesView() : CInfoView(kFeaturesView) {}
    void Paint(CDrawContext& dc) override;
    void PrepareWindow() override;

    int32_t sampleTotal = 0;  // sample names in the store, shown as they are
};

}  // namespace hoshikura
