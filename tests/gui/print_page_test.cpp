// The printed page drawn on off-screen canvases (nothing outside the page,
// no GDI object left, every fortune text whole in its box), the spooler's
// failure path, and printing for real to the default printer when the run
// provides one (tests/wine/print_pdf.sh).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app_state.h"
#include "colours.h"
#include "comparison_view.h"
#include "draw_context.h"
#include "fortune_table.h"
#include "gui_fixture.h"
#include "print_page.h"
#include "rating.h"

namespace hoshikura {
namespace {

CNameRecord Judged(const char* surname, const char* givenName) {
    CNameRecord record{};
    record.Analyse(surname, givenName);
    return record;
}

class PrintPageTest : public test::ViewTest {};

// A canvas larger than the page keeps whatever the page spills past its
// edges: it stays white there, for short and long names.
TEST_F(PrintPageTest, ThePageStaysOnThePageAndLeavesNoGdiObject) {
    test::CGdiCounter counter;
    ASSERT_TRUE(counter.Installed());
    const char* const names[][2] = {{"林", "一"}, {"長谷川部田", "由美子さん"}};
    for (const auto& name : names) {
        const int width = 850, height = 1100;  // shorter than the layout: fits the height
        test::CCanvas canvas(width + 40, height + 40);
        DrawJudgementPage(canvas.Dc(), Judged(name[0], name[1]), App().fortunes, width, height);
        EXPECT_EQ(test::CountColour(canvas, {width, 0, width + 40, height + 40}, kWhite), 40 * (height + 40));
        EXPECT_EQ(test::CountColour(canvas, {0, height, width, height + 40}, kWhite), 40 * width);
    }
    EXPECT_EQ(counter.Alive(), 0);
}

// Thirty candidates, the longest names and a grid read as another number
// among them, stay on the comparison's page (print_comparison.png).
TEST_F(PrintPageTest, ThirtyCandidatesStayOnTheComparisonPage) {
    test::CGdiCounter counter;
    ASSERT_TRUE(counter.Installed());
    CandidateNames names = {{"麗麗麗", "議議議"}, {"山田", "ゐ"}};
    while (names.size() < 30) names.push_back({"長谷川部田", "由美子" + std::to_string(names.size())});
    CNameComparison table;
    table.Set(names);
    const int width = 850, height = 1100;
    test::CCanvas canvas(width + 40, height + 40);
    DrawComparisonPage(canvas.Dc(), table, width, height);
    EXPECT_EQ(test::CountColour(canvas, {width, 0, width + 40, height + 40}, kWhite), 40 * (height + 40));
    EXPECT_EQ(test::CountColour(canvas, {0, height, width, height + 40}, kWhite), 40 * width);
    // The thirtieth row is drawn too: less of the page stays white.
    names.pop_back();
    table.Set(names);
    test::CCanvas fewer(width + 40, height + 40);
    DrawComparisonPage(fewer.Dc(), table, width, height);
    EXPECT_LT(test::CountColour(canvas, {0, 0, width, height}, kWhite),
              test::CountColour(fewer, {0, 0, width, height}, kWhite));
    EXPECT_TRUE(canvas.SavePng(test::ArtefactPath("print_comparison.png")));
    EXPECT_EQ(counter.Alive(), 0);
}

// Word-wrapped by the line-break rules in its box at a printer's scale,
// every fortune text of every grid number fits: the box clips, so a taller
// text would lose its last lines.
TEST_F(PrintPageTest, EveryFortuneTextFitsItsBox) {
    test::CCanvas canvas(1, 1);
    CDrawContext page(canvas.Dc(), PageScale(4960, 7016));
    page.SetFont({kPageFace, kFortuneTextHeight});
    for (int kind = 0; kind < kFortuneKinds; ++kind) {
        for (int n = 0; n <= 82; ++n)
            EXPECT_TRUE(page.TextBoxFits(FortuneTextBox(kind), App().fortunes->FortuneText(kind, n)))
                << "kind " << kind << " number " << n;
    }
}

// A device context that is no printer refuses the document: the job
// reports failure and draws nothing.
TEST_F(PrintPageTest, SpoolingOnANonPrinterFailsAndLeavesNothingHeld) {
    test::CGdiCounter counter;
    ASSERT_TRUE(counter.Installed());
    test::CCanvas canvas(300, 400);
    EXPECT_FALSE(SpoolJudgement(canvas.Dc(), Judged("山田", "太郎"), App().fortunes));
    EXPECT_EQ(test::CountColour(canvas, {0, 0, 300, 400}, kWhite), 300 * 400) << "nothing drawn";
    EXPECT_FALSE(SpoolJudgement(nullptr, Judged("山田", "太郎"), App().fortunes));
    EXPECT_EQ(counter.Alive(), 0);
    EXPECT_TRUE(test::TakeMessages().empty()) << "the job's caller tells the user";
}

// For printed_faces.py: the etched line, then each face and its rating level.
void WriteFaces(const CNameRecord& record) {
    FILE* file = std::fopen(test::ArtefactPath("printed_faces.txt").c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fprintf(file, "%d %d %d\n", kEtchedLine[0], kEtchedLine[1], kEtchedLine[2]);
    for (int i = 0; i <= kMethodCount; ++i) {
        const bool total = i == kMethodCount;
        const PageFace face = total ? kTotalFace : MethodFace(i);
        const RatingBounds bounds = total ? kTotalRatingBounds : kMethodRatingBounds[i];
        const int32_t score = total ? record.totalScore : record.scores[i];
        std::fprintf(file, "%d %d %d %d\n", face.x, face.y, face.size, RatingLevel(score, bounds.lower, bounds.upper));
    }
    std::fclose(file);
}

// print_pdf.sh starts a PDF printer and sets HOSHIKURA_PRINTER to
// "accepting", then makes the queue refuse jobs and sets it to "refusing".
// Without a printer, asking for the default one ends silently.
TEST_F(PrintPageTest, TheDefaultPrinterPrintsOrSaysItFailedAndIsGivenBack) {
    const char* state = std::getenv("HOSHIKURA_PRINTER");
    const std::string printer = state ? state : "";
    HDC dc = nullptr;
    HGLOBAL mode = nullptr, names = nullptr;
    {
        CPrinterSelection selection;
        const bool chosen = selection.Choose(App().frame, PrinterChoice::kDefaultPrinter);
        if (printer.empty() && chosen) GTEST_SKIP() << "a printer of the machine, not of this run";
        ASSERT_EQ(chosen, !printer.empty());
        EXPECT_FALSE(selection.Choose(App().frame, PrinterChoice::kDefaultPrinter)) << "once only";
        dc = selection.Dialog().hDC;
        mode = selection.Dialog().hDevMode;
        names = selection.Dialog().hDevNames;
    }
    const CNameRecord judged = Judged("山田", "太郎");
    if (printer == "accepting") WriteFaces(judged);
    if (!printer.empty()) {
        EXPECT_EQ(GetObjectType(dc), 0u) << "the printer DC is deleted";
        EXPECT_EQ(GlobalFlags(mode), static_cast<UINT>(GMEM_INVALID_HANDLE)) << "device mode freed";
        EXPECT_EQ(GlobalFlags(names), static_cast<UINT>(GMEM_INVALID_HANDLE)) << "device names freed";
    }
    test::CGdiCounter counter;
    ASSERT_TRUE(counter.Installed());
    PrintJudgement(App().frame, judged, App().fortunes, PrinterChoice::kDefaultPrinter);
    const std::vector<std::string> said = test::TakeMessages();
    if (printer.empty())
        EXPECT_TRUE(said.empty());
    else
        EXPECT_EQ(said, std::vector<std::string>{printer == "accepting" ? "印刷ＯＫ  " : "印刷できませんでした。"});
    EXPECT_EQ(counter.Alive(), 0);
}

// print_pdf.sh, after the judgement: the comparison of candidates with a
// grid read as another number, printed for real (print_comparison_pdf.png).
TEST_F(PrintPageTest, TheDefaultPrinterPrintsTheComparison) {
    const char* state = std::getenv("HOSHIKURA_PRINTER");
    if (state == nullptr || std::string(state) != "accepting") GTEST_SKIP() << "needs the run's PDF printer";
    CNameComparison table;
    table.Set({{"山田", "太郎"}, {"麗麗麗", "議議議"}, {"鈴木", "一郎"}, {"山田", "ゐ"}});
    test::CGdiCounter counter;
    ASSERT_TRUE(counter.Installed());
    PrintPage(App().frame, [&table](HDC dc, int w, int h) { DrawComparisonPage(dc, table, w, h); },
              PrinterChoice::kDefaultPrinter);
    EXPECT_EQ(test::TakeMessages(), std::vector<std::string>{"印刷ＯＫ  "});
    EXPECT_EQ(counter.Alive(), 0);
}

}  // namespace
}  // namespace hoshikura
