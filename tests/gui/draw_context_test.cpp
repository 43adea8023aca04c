// The drawing context's one scaling rule: each coordinate, radius, length,
// depth, pen width and font height is multiplied by the scale once and
// truncated toward zero. A scaled drawing is therefore the scale-1 drawing
// of the truncated values, and scale 1 draws the values as given.
#include <gtest/gtest.h>

#include <vector>

#include "colours.h"
#include "draw_context.h"
#include "gui_fixture.h"

namespace hoshikura {
namespace {

constexpr double kScale = 1.5;
constexpr int kCanvasSize = 80;

// Every primitive once, each value handed to the context through `u`.
template <typename Unit>
std::vector<COLORREF> Drawn(double scale, Unit u) {
    test::CCanvas canvas(kCanvasSize, kCanvasSize);
    CDrawContext dc(canvas.Dc(), scale);
    dc.colour = kBlue;
    dc.penWidth = u(2);
    dc.DrawLine(u(1), u(1), u(9), u(5));
    dc.DrawDisc(u(7), u(9), u(3));
    dc.DrawCircle(u(21), u(7), u(5));
    dc.DrawArc({u(3), u(31), u(13), u(39)}, {u(13), u(31)}, {u(3), u(31)});
    dc.DrawChord({u(3), u(41), u(13), u(51)}, {u(3), u(47)}, {u(13), u(47)});
    dc.DrawBox(u(31), u(41), u(37), u(45));
    dc.DrawEtchedLine(u(1), u(15), u(9));
    dc.colour = kBlack;
    dc.DrawPanel(u(3), u(19), u(13), u(27), u(1));
    dc.SetFont({"明朝", u(11), kBold});
    dc.DrawString(u(17), u(17), "星");
    dc.DrawTextBox({u(17), u(27), u(41), u(37)}, "星倉の星倉", kWhite);
    dc.DrawStringWithin({u(31), u(1), u(45), u(9)}, "星倉星倉", kYellow);
    return canvas.Pixels();
}

TEST(DrawContextTest, ScalesEachValueOnceTruncatedTowardZero) {
    const auto asGiven = [](int value) { return value; };
    const auto truncated = [](int value) { return static_cast<int>(value * kScale); };
    const std::vector<COLORREF> scaled = Drawn(kScale, asGiven);
    EXPECT_EQ(scaled, Drawn(1.0, truncated));
    EXPECT_NE(scaled, Drawn(1.0, asGiven)) << "the scale is applied";
}

}  // namespace
}  // namespace hoshikura
