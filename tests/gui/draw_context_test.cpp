// The drawing toolkit on an off-screen canvas: what each operation paints,
// the scaled forms' truncation, and that no call leaves a GDI object behind.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "colours.h"
#include "draw_context.h"
#include "gdi_counter.h"
#include "gui_fixture.h"
#include "screenshot.h"

namespace hoshikura {
namespace {

class DrawContextTest : public ::testing::Test {
protected:
    DrawContextTest() : canvas(200, 120) { context.AttachDC(canvas.Dc()); }
    ~DrawContextTest() override { context.ReleaseContext(); }

    test::CCanvas canvas;
    CDrawContext context;
};

TEST(DrawContextFontTest, AliasesTheGenericFacesAndKeepsOthers) {
    CDrawContext context;
    EXPECT_STREQ(context.Font().lfFaceName, "標準明朝");
    EXPECT_EQ(context.Font().lfHeight, 14);
    EXPECT_EQ(context.Font().lfCharSet, SHIFTJIS_CHARSET);
    context.SetFont("MS明朝", 20, 90, 1, 1, 0);
    EXPECT_STREQ(context.Font().lfFaceName, "標準明朝");
    EXPECT_EQ(context.Font().lfEscapement, 900);
    EXPECT_EQ(context.Font().lfWeight, FW_BOLD);
    context.SetFont("ｺﾞｼｯｸ", 12, 0, 0, 0, 1);
    EXPECT_STREQ(context.Font().lfFaceName, "標準ゴシック");
    EXPECT_EQ(context.Font().lfUnderline, 1);
    context.SetFont("ＭＳ Ｐゴシック", 12, 0, 2, 0, 0);
    EXPECT_STREQ(context.Font().lfFaceName, "ＭＳ Ｐゴシック");
    EXPECT_EQ(context.Font().lfWeight, 0) << "a bold flag of 2 is neither bold nor normal";
}

TEST(DrawContextFontTest, FaceChangeKeepsHeightAndAngleButNotBold) {
    CDrawContext context;
    context.SetFont("明朝", -18, 45, 1, 1, 1);
    context.SetFontFace("ゴシック");
    EXPECT_STREQ(context.Font().lfFaceName, "標準ゴシック");
    EXPECT_EQ(context.Font().lfHeight, -18);
    EXPECT_EQ(context.Font().lfEscapement, 450);
    EXPECT_EQ(context.Font().lfWeight, FW_NORMAL);
    EXPECT_EQ(context.Font().lfItalic, 1);
    // A face longer than the 32-byte field is cut on a character boundary.
    context.SetFontFace("ああああああああああああああああああ");
    EXPECT_EQ(std::strlen(context.Font().lfFaceName), 30u);
}

TEST_F(DrawContextTest, LineIncludesItsEndPixel) {
    context.colour = kRed;
    context.DrawLine(10, 10, 10, 10);
    EXPECT_EQ(canvas.Pixel(10, 10), kRed);
    EXPECT_EQ(canvas.Pixel(11, 10), kWhite);
    context.DrawLine(20, 5, 30, 5);
    EXPECT_EQ(canvas.Pixel(20, 5), kRed);
    EXPECT_EQ(canvas.Pixel(30, 5), kRed);
    POINT position;
    GetCurrentPositionEx(canvas.Dc(), &position);
    EXPECT_EQ(position.x, 0) << "the current position is put back";
}

TEST_F(DrawContextTest, ScaledLineTruncatesEveryCoordinate) {
    context.colour = kBlue;
    context.scale = 0.5;
    context.DrawLineScaled(3, 3, 5, 5);  // (1,1)-(2,2), not (2,2)-(3,3)
    EXPECT_EQ(canvas.Pixel(1, 1), kBlue);
    EXPECT_EQ(canvas.Pixel(2, 2), kBlue);
    EXPECT_EQ(canvas.Pixel(3, 3), kWhite);
    EXPECT_EQ(context.Scaled(-3), -1) << "toward zero, not down";
    context.scale = 2.5;
    context.SetFontHeightScaled(7);
    EXPECT_EQ(context.Font().lfHeight, 17);
    context.SetPenWidthScaled(1);
    EXPECT_EQ(context.penWidth, 2);
}

TEST_F(DrawContextTest, OutlineBoxLeavesItsInsideAlone) {
    context.colour = kRed;
    context.DrawBox(10, 10, 20, 20, 0);
    EXPECT_EQ(canvas.Pixel(10, 10), kRed);
    EXPECT_EQ(canvas.Pixel(20, 20), kRed);
    EXPECT_EQ(canvas.Pixel(15, 15), kWhite);
    context.DrawBox(30, 10, 40, 20, 1);
    EXPECT_EQ(canvas.Pixel(35, 15), kRed);
}

TEST_F(DrawContextTest, BlackPanelFillsWithButtonFaceAndStaysBlack) {
    context.colour = 0;
    context.DrawPanel(10, 10, 60, 40, 0);  // depth 0 counts as 1
    EXPECT_EQ(canvas.Pixel(30, 25), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(context.colour, 0u);
    context.colour = kBlue;
    context.DrawPanel(70, 10, 120, 40, 3);
    EXPECT_EQ(canvas.Pixel(95, 25), kBlue);
    EXPECT_NE(canvas.Pixel(73, 25), kBlue) << "three edges before the fill";
    EXPECT_EQ(canvas.Pixel(74, 25), kBlue);
}

TEST_F(DrawContextTest, TextIsDrawnOnTheGivenBackground) {
    context.colour = kRed;
    context.SetFont("ゴシック", 24, 0, 1, 0, 0);
    context.DrawStringOn(0, 0, "■■", kBlue);
    int red = 0, blue = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 48; ++x) {
            red += canvas.Pixel(x, y) == kRed;
            blue += canvas.Pixel(x, y) == kBlue;
        }
    EXPECT_GT(red, 100) << "the squares are drawn in the colour";
    EXPECT_GT(blue, 0) << "and the cell around them in the background";
    EXPECT_EQ(GetBkColor(canvas.Dc()), kWhite) << "the background is put back";
}

TEST(DrawContextNoDcTest, DrawsNothingAndCreatesNothingWithoutAContext) {
    test::CGdiCounter counter;
    ASSERT_TRUE(counter.Installed());
    CDrawContext context;
    RECT box = {0, 0, 10, 10};
    context.DrawLine(0, 0, 5, 5);
    context.DrawBox(0, 0, 5, 5, 1);
    context.DrawDisc(5, 5, 3);
    context.DrawCircle(5, 5, 3);
    context.DrawString(0, 0, "山田");
    context.DrawTextBox(&box, "山田", 0);
    context.DrawPanel(0, 0, 10, 10, 1);
    context.DrawFace(50, 50, 20, 6);
    EXPECT_EQ(counter.Created(), 0);
}

// Every operation, run against the counter: what it creates it deletes, and
// the DC's own pen, brush and font are selected again afterwards.
TEST_F(DrawContextTest, NoOperationLeavesAGdiObjectBehind) {
    HGDIOBJ pen = GetCurrentObject(canvas.Dc(), OBJ_PEN);
    HGDIOBJ brush = GetCurrentObject(canvas.Dc(), OBJ_BRUSH);
    HGDIOBJ font = GetCurrentObject(canvas.Dc(), OBJ_FONT);
    const std::function<void()> operations[] = {
        [&] { context.DrawLine(0, 0, 50, 50); },
        [&] { context.DrawBox(1, 1, 30, 30, 0); },
        [&] { context.DrawBox(1, 1, 30, 30, 1); },
        [&] { context.DrawDisc(40, 40, 10); },
        [&] { context.DrawCircle(40, 40, 10); },
        [&] { context.DrawString(5, 5, "山田太郎"); },
        [&] { context.DrawStringOn(5, 5, "山田", kBlue); },
        [&] { RECT r = {0, 0, 80, 40}; context.DrawTextBox(&r, "大吉数　吉数", kWhite); },
        [&] { context.DrawEtchedLine(0, 60, 100); },
        [&] { context.DrawPanel(0, 0, 100, 50, 2); },
        [&] { context.scale = 0.7; context.DrawLineScaled(0, 0, 90, 90); },
        [&] { context.DrawPanelScaled(0, 0, 90, 90, 2); },
        [&] { context.DrawDiscScaled(50, 50, 9); },
        [&] { context.DrawStringScaled(5, 5, "天格"); },
        [&] { context.DrawStringOnScaled(5, 5, "人格", kRed); },
        [&] { RECT r = {0, 0, 90, 50}; context.DrawTextBoxScaled(&r, "地格", kWhite); },
        [&] { context.DrawEtchedLineScaled(0, 50, 90); },
        [&] { context.DrawCircleScaled(50, 50, 20); },
        [&] { context.scale = 1.0; for (int level = 0; level <= 6; ++level)
                  context.DrawFace(60, 60, 40, level); },
    };
    int index = 0;
    for (const auto& operation : operations) {
        test::CGdiCounter counter;
        ASSERT_TRUE(counter.Installed());
        operation();
        EXPECT_GT(counter.Created(), 0) << "operation " << index << " drew with its own object";
        EXPECT_EQ(counter.Alive(), 0) << "operation " << index << " leaked";
        EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_PEN), pen) << index;
        EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BRUSH), brush) << index;
        EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_FONT), font) << index;
        ++index;
    }
}

TEST(DrawContextAttachTest, TakingASecondContextIsReportedAndHandled) {
    test::EnsureFrame();
    test::TakeMessages();
    test::CCanvas first(10, 10), second(10, 10);
    CDrawContext context;
    context.AttachDC(first.Dc());
    context.AttachDC(second.Dc());
    auto messages = test::TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "DCを解放しないうちにDCを取得しようとしました。");
    EXPECT_EQ(context.Dc(), second.Dc());
    context.ReleaseContext();
    EXPECT_EQ(context.Dc(), nullptr);
    // A forgotten DC stays its owner's: it still draws.
    EXPECT_NE(SetPixel(first.Dc(), 1, 1, kRed), static_cast<COLORREF>(-1));
}

// Faces: circle radius and eyes follow the size; level 6 has a filled mouth.
TEST(DrawFaceTest, LaughingFaceOfSizeFifteen) {
    test::CCanvas canvas(60, 60);
    CDrawContext context;
    context.AttachDC(canvas.Dc());
    context.DrawFace(30, 30, 15, 6);
    context.ReleaseContext();
    EXPECT_EQ(canvas.Pixel(30, 15), RGB(0, 0, 0)) << "circle of radius 15 at the top";
    EXPECT_EQ(canvas.Pixel(30, 14), kWhite);
    EXPECT_EQ(canvas.Pixel(36, 28), RGB(0, 0, 0)) << "right eye at (cx+6, cy-1)";
    EXPECT_EQ(canvas.Pixel(30, 36), RGB(0, 0, 0)) << "open mouth filled in the drawing colour";
}

// A page with every operation and the seven faces, kept as an artefact.
TEST(DrawContextPageTest, SavesTheToolkitPage) {
    test::CCanvas canvas(640, 400);
    CDrawContext dc;
    dc.AttachDC(canvas.Dc());
    dc.SetFont("ゴシック", 16, 0, 1, 0, 0);
    dc.DrawString(10, 8, "描画ツールキット試験ページ　Hoshikura");
    dc.colour = kBlue;
    dc.DrawLine(10, 34, 200, 34);
    dc.colour = kRed;
    dc.DrawBox(10, 44, 90, 84, 0);
    dc.DrawBox(100, 44, 180, 84, 1);
    dc.colour = 0x008000;
    dc.DrawDisc(220, 64, 20);
    dc.DrawCircle(270, 64, 20);
    dc.colour = 0;
    dc.DrawEtchedLine(10, 96, 300);
    dc.colour = 0;
    dc.DrawPanel(320, 40, 620, 90, 2);
    dc.SetFont("明朝", 14, 0, 0, 0, 0);
    dc.DrawStringOn(330, 56, "天格 人格 地格 外格 総格", GetSysColor(COLOR_BTNFACE));
    RECT box = {10, 106, 300, 170};
    dc.colour = 0;
    dc.DrawTextBox(&box,
                   "大吉数　吉数　小吉数　凶数　大凶数。とても良い　良い　やや良い　普通　"
                   "やや悪い　悪い　かなり悪い",
                   kWhite);
    dc.scale = 1.5;
    dc.colour = kBlue;
    dc.DrawStringScaled(214, 74, "拡大 1.5 倍");
    dc.DrawPanelScaled(214, 90, 400, 112, 1);
    dc.scale = 1.0;
    for (int level = 0; level <= 6; ++level) {
        dc.SetFont("明朝", 12, 0, 0, 0, 0);
        dc.DrawFace(50 + level * 88, 300, 36, level);
        char label[16];
        wsprintfA(label, "%d", level);
        dc.DrawString(46 + level * 88, 350, label);
    }
    dc.ReleaseContext();
    EXPECT_TRUE(canvas.SavePng(test::ArtefactPath("toolkit_page.png")));
}

}  // namespace
}  // namespace hoshikura
