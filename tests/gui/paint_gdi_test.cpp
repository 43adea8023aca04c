// Painting any view, of the shortest and the longest names, leaves no pen,
// brush or font behind. The window paints into the canvas as into its own
// paint DC, through WM_PRINTCLIENT.
#include <gtest/gtest.h>

#include <cstring>

#include "dispatch.h"
#include "gdi_counter.h"
#include "gui_fixture.h"
#include "screenshot.h"
#include "view_test.h"

namespace hoshikura {
namespace {

using test::kEveryViewRequest;
using test::ViewRequest;

class PaintGdiTest : public test::ViewTest {
protected:
    // Paints the newest view into a canvas of its size; the objects it
    // created while painting and has not deleted.
    static int LeftAliveByPaint(const ViewRequest& request) {
        test::CloseAllViews();
        if (OpenView(request.first, request.second, request.kind) != 1) return -1;
        CView* view = NewestView();
        test::CCanvas canvas(view->width, view->height);
        test::CGdiCounter counter;
        if (!counter.Installed()) return -1;
        SendMessageA(view->window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()),
                     PRF_CLIENT);
        created_ += counter.Created();
        return counter.Alive();
    }
    static int created_;
};

int PaintGdiTest::created_ = 0;

TEST_F(PaintGdiTest, EveryKindForShortAndLongNames) {
    for (const ViewRequest& request : kEveryViewRequest) {
        EXPECT_EQ(LeftAliveByPaint(request), 0) << request.kind;
        ViewRequest longest = request;
        if (std::strcmp(request.first, "山田") == 0) longest.first = "闇磯嬰襖臆";
        if (std::strcmp(request.second, "太郎") == 0) longest.second = "霞嚇橿轄竃";
        EXPECT_EQ(LeftAliveByPaint(longest), 0) << request.kind;
    }
    EXPECT_GT(created_, 0);
}

}  // namespace
}  // namespace hoshikura
