// The printed page drawn on off-screen canvases at printer scales (nothing
// outside the page or its boxes, no GDI object left), the spooler's failure path, and printing for real to the
// default printer when the run provides one (tests/wine/print_pdf.sh).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "colours.h"
#include "app_state.h"
#include "draw_context.h"
#include "fortune_table.h"
#include "gdi_counter.h"
#include "grid_diagram.h"
#include "gui_fixture.h"
#include "judge.h"
#include "print_page.h"
#include "screenshot.h"

namespace hoshikura {
namespace {

using test::CountColour;

constexpr COLORREF kGreen = 0x00C000;

// A judged name as the judgement view holds it: analysed and laid out.
CNameRecord Judged(const char* surname, const char* givenName) {
    CNameRecord record{};
    record.Analyse(surname, givenName);
    return record;
}

int Scaled(int units, double scale) { return static_cast<int>(units * scale); }

class PrintPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(test::EnsureFrame(), nullptr);
        test::CloseAllViews();
        test::TakeMessages();
    }

    // The page drawn into the canvas's top-left corner; a canvas larger than
    // the page keeps whatever the page spills past its edges.
    static void DrawPage(test::CCanvas& canvas, const CNameRecord& record, int width, int height) {
        CDrawContext& dc = *App().drawContext;
        dc.AttachDC(canvas.Dc());
        DrawJudgementPage(dc, record, App().fortunes, width, height);
        dc.ReleaseContext();
    }

    static COLORREF Face() { return GetSysColor(COLOR_BTNFACE); }
};

// Everything lands on the page: the canvas around the page stays white, for
// short and long names, on a wide and on a short page.
TEST_F(PrintPageTest, NothingIsDrawnOutsideThePage) {
    const struct {
        const char* surname;
        const char* givenName;
        int width;
        int height;
    } cases[] = {
        {"林", "一", 900, 1300},
        {"山田", "太郎", 1000, 1420},
        {"佐々木", "健太郎", 850, 1100},  // shorter than 600 × 830
        {"長谷川部田", "由美子さん", 1000, 1420},
    };
    for (const auto& c : cases) {
        test::CCanvas canvas(c.width + 40, c.height + 40);
        DrawPage(canvas, Judged(c.surname, c.givenName), c.width, c.height);
        const int right = CountColour(canvas, {c.width, 0, c.width + 40, c.height + 40}, kWhite);
        const int below = CountColour(canvas, {0, c.height, c.width, c.height + 40}, kWhite);
        EXPECT_EQ(right, 40 * (c.height + 40)) << c.surname << c.givenName;
        EXPECT_EQ(below, 40 * c.width) << c.surname << c.givenName;
        EXPECT_EQ(canvas.Pixel(c.width - 1, c.height - 1), Face()) << "the page is background";
        EXPECT_EQ(canvas.Pixel(0, 0), Face());
    }
}

// Word-wrapped in its box, every fortune text of every grid number fits:
// the box clips, so a taller text would lose its last lines.
TEST_F(PrintPageTest, EveryFortuneTextAndHeadingFitsItsBox) {
    const CFortuneTable& fortunes = *App().fortunes;
    for (int width : {4960, 1000}) {
        const double scale = PageScale(width, width * 297 / 210);
        CDrawContext context;
        context.scale = scale;
        context.SetFont("明朝", 0, 0, 0, 0, 0);
        context.SetFontHeightScaled(12);
        HDC dc = CreateCompatibleDC(nullptr);
        HFONT textFont = CreateFontIndirectA(&context.Font());
        context.SetFontHeightScaled(15);
        HFONT headingFont = CreateFontIndirectA(&context.Font());
        const int boxWidth = Scaled(590, scale) - Scaled(251, scale);
        const int boxHeight = Scaled(112, scale) - Scaled(3, scale);
        HGDIOBJ previous = SelectObject(dc, textFont);
        for (int kind = 0; kind < kFortuneKinds; ++kind)
            for (int n = 0; n <= 82; ++n) {
                EXPECT_LE(CDrawContext::WrappedHeight(dc, fortunes.FortuneText(kind, n), boxWidth),
                          boxHeight)
                    << "kind " << kind << " number " << n;
            }
        SelectObject(dc, headingFont);
        const int headingRoom = Scaled(470, scale) - Scaled(254, scale);
        for (const char* label : {"人格", "地格", "外格", "総格"})
            for (int luck = -2; luck <= 2; ++luck) {
                char heading[64];
                std::snprintf(heading, sizeof heading, "%sが[%d画]（%s）の人は", label, 99,
                              LuckWord(luck));
                SIZE size;
                GetTextExtentPoint32A(dc, heading, static_cast<int>(std::strlen(heading)), &size);
                EXPECT_LT(size.cx, headingRoom) << heading;
            }
        SelectObject(dc, previous);
        DeleteObject(textFont);
        DeleteObject(headingFont);
        DeleteDC(dc);
    }
}

TEST_F(PrintPageTest, DrawingThePageLeavesNoGdiObjectAlive) {
    test::CGdiCounter counter;
    ASSERT_TRUE(counter.Installed());
    test::CCanvas canvas(900, 1300);
    DrawPage(canvas, Judged("佐々木", "健太郎"), 900, 1300);
    EXPECT_GT(counter.Created(), 100);
    EXPECT_EQ(counter.Alive(), 0);
}

// A device context that is no printer refuses the document: the job
// reports failure, draws nothing and leaves the shared context free.
TEST_F(PrintPageTest, SpoolingOnANonPrinterFailsAndLeavesNothingHeld) {
    test::CGdiCounter counter;
    ASSERT_TRUE(counter.Installed());
    test::CCanvas canvas(300, 400);
    EXPECT_FALSE(
        SpoolJudgement(canvas.Dc(), *App().drawContext, Judged("山田", "太郎"), App().fortunes));
    EXPECT_EQ(App().drawContext->Dc(), nullptr);
    EXPECT_EQ(CountColour(canvas, {0, 0, 300, 400}, kWhite), 300 * 400) << "nothing drawn";
    EXPECT_FALSE(
        SpoolJudgement(nullptr, *App().drawContext, Judged("山田", "太郎"), App().fortunes));
    EXPECT_EQ(counter.Alive(), 0);
    EXPECT_TRUE(test::TakeMessages().empty()) << "the job's caller tells the user";
}

// The real printer: only when the run provides one. print_pdf.sh starts a
// PDF printer and sets HOSHIKURA_PRINTER to "accepting", then makes the
// queue refuse jobs and sets it to "refusing". A run without a printer
// checks that asking for the default printer ends silently instead.
std::string PrinterState() {
    const char* state = std::getenv("HOSHIKURA_PRINTER");
    return state ? state : "";
}

bool AnyPrinter() {
    DWORD needed = 0, count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 1, nullptr, 0, &needed,
                  &count);
    return needed > 0;
}

class PrintToPrinterTest : public PrintPageTest {};

TEST_F(PrintToPrinterTest, WithoutAPrinterNothingIsPrintedOrSaid) {
    if (!PrinterState().empty() || AnyPrinter()) GTEST_SKIP() << "a printer is installed";
    CPrinterSelection printer;
    EXPECT_FALSE(printer.Choose(App().frame, PrinterChoice::kDefaultPrinter));
    EXPECT_EQ(printer.Dialog().hDC, nullptr);
    PrintJudgement(App().frame, *App().drawContext, Judged("山田", "太郎"), App().fortunes,
                   PrinterChoice::kDefaultPrinter);
    EXPECT_TRUE(test::TakeMessages().empty());
}

TEST_F(PrintToPrinterTest, TheDefaultPrinterIsGivenBackEntirely) {
    if (PrinterState().empty()) GTEST_SKIP() << "no printer in this run";
    HDC dc;
    HGLOBAL mode, names;
    {
        CPrinterSelection printer;
        ASSERT_TRUE(printer.Choose(App().frame, PrinterChoice::kDefaultPrinter));
        EXPECT_FALSE(printer.Choose(App().frame, PrinterChoice::kDefaultPrinter)) << "once only";
        dc = printer.Dialog().hDC;
        mode = printer.Dialog().hDevMode;
        names = printer.Dialog().hDevNames;
        ASSERT_NE(dc, nullptr);
        ASSERT_NE(mode, nullptr);
        ASSERT_NE(names, nullptr);
        EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_DC));
        EXPECT_NE(GlobalSize(mode), 0u);
        EXPECT_GT(GetDeviceCaps(dc, HORZRES), 600) << "a printer's resolution";
    }
    EXPECT_EQ(GetObjectType(dc), 0u) << "the printer DC is deleted";
    EXPECT_EQ(GlobalFlags(mode), static_cast<UINT>(GMEM_INVALID_HANDLE)) << "device mode freed";
    EXPECT_EQ(GlobalFlags(names), static_cast<UINT>(GMEM_INVALID_HANDLE)) << "device names freed";
}

TEST_F(PrintToPrinterTest, PrintsTheJudgementOnTheDefaultPrinter) {
    if (PrinterState() != "accepting") GTEST_SKIP() << "no accepting printer in this run";
    test::CGdiCounter counter;
    ASSERT_TRUE(counter.Installed());
    PrintJudgement(App().frame, *App().drawContext, Judged("山田", "太郎"), App().fortunes,
                   PrinterChoice::kDefaultPrinter);
    const std::vector<std::string> shown = test::TakeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "印刷ＯＫ  ");
    EXPECT_EQ(App().drawContext->Dc(), nullptr) << "the printer DC is not kept";
    EXPECT_EQ(counter.Alive(), 0);
}

// The spooler refuses the job: the user is told it failed, not that it
// went out, and the printer is still given back.
TEST_F(PrintToPrinterTest, ARefusedJobIsReportedAsAFailure) {
    if (PrinterState() != "refusing") GTEST_SKIP() << "no refusing printer in this run";
    test::CGdiCounter counter;
    ASSERT_TRUE(counter.Installed());
    PrintJudgement(App().frame, *App().drawContext, Judged("山田", "太郎"), App().fortunes,
                   PrinterChoice::kDefaultPrinter);
    const std::vector<std::string> shown = test::TakeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "印刷できませんでした。");
    EXPECT_EQ(App().drawContext->Dc(), nullptr);
    EXPECT_EQ(counter.Alive(), 0);
}

}  // namespace
}  // namespace hoshikura
