// What a user sees after the natural message flow must be what a full
// repaint of the frame and all its children draws: for every view kind,
// one view opened over another, and after each arrangement command.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app_state.h"
#include "dispatch.h"
#include "frame_window.h"
#include "gui_fixture.h"
#include "screenshot.h"
#include "view_list.h"
#include "view_test.h"

namespace hoshikura {
namespace {

using test::kEveryViewRequest;
using test::ViewRequest;

class ScreenConsistencyTest : public test::ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        shown_ = std::make_unique<test::CShownFrame>();
        SetForegroundWindow(App().frame);
        Settle();
    }
    void TearDown() override {
        shown_.reset();
        ViewTest::TearDown();
    }

    static void Settle() { test::PumpFor(300); }

    // The frame's screen area as the screen holds it now.
    static std::vector<COLORREF> FrameOnScreen() {
        RECT area;
        GetWindowRect(App().frame, &area);
        test::CCanvas canvas(area.right - area.left, area.bottom - area.top);
        HDC screen = GetDC(nullptr);
        BitBlt(canvas.Dc(), 0, 0, canvas.Width(), canvas.Height(), screen, area.left, area.top,
               SRCCOPY);
        ReleaseDC(nullptr, screen);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x) pixels.push_back(canvas.Pixel(x, y));
        return pixels;
    }

    // After the messages settle, the screen must not change under a full
    // repaint of the frame and every child. Saves both pictures otherwise.
    static void ExpectScreenSettled(const std::string& what) {
        Settle();
        std::vector<COLORREF> natural = FrameOnScreen();
        test::SaveWindowPng(App().frame, test::ArtefactPath(("settled_" + what + ".png").c_str()));
        RedrawWindow(App().frame, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Settle();
        std::vector<COLORREF> repainted = FrameOnScreen();
        size_t differing = 0;
        for (size_t i = 0; i < natural.size() && i < repainted.size(); ++i)
            differing += natural[i] != repainted[i];
        if (differing)
            test::SaveWindowPng(App().frame,
                                test::ArtefactPath(("repainted_" + what + ".png").c_str()));
        EXPECT_EQ(differing, 0u) << what;
    }

    static void Open(const ViewRequest& request) {
        test::PumpMessages();
        ASSERT_TRUE(OpenView(request.first, request.second, request.kind)) << request.kind;
    }

    static void OpenEveryKind() {
        test::CloseAllViews();
        for (const ViewRequest& request : kEveryViewRequest) {
            CViewList* list = App().viewList;
            list->versionOpen = list->rankingOpen = list->featuresOpen = 0;
            Open(request);
        }
    }

    std::unique_ptr<test::CShownFrame> shown_;
};

TEST_F(ScreenConsistencyTest, EveryKindOpenedOverAJudgement) {
    for (const ViewRequest& request : kEveryViewRequest) {
        test::CloseAllViews();
        Open(kEveryViewRequest[0]);
        Settle();
        Open(request);
        ExpectScreenSettled("kind" + std::to_string(request.kind));
    }
}

TEST_F(ScreenConsistencyTest, VersionOverFeatures) {
    Open(kEveryViewRequest[12]);
    Settle();
    Open(kEveryViewRequest[11]);
    ExpectScreenSettled("version_over_features");
}

TEST_F(ScreenConsistencyTest, EveryArrangement) {
    const std::pair<int, const char*> arrangements[] = {
        {kCmdCascade, "cascade"},
        {kCmdTileHorizontal, "tile_horizontal"},
        {kCmdTileVertical, "tile_vertical"},
    };
    for (const auto& arrangement : arrangements) {
        OpenEveryKind();
        Settle();
        PostMessageA(App().frame, WM_COMMAND, arrangement.first, 0);
        ExpectScreenSettled(arrangement.second);
    }
}

}  // namespace
}  // namespace hoshikura
