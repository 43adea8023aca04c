// A grid number reads the same on every surface of the program: the
// judgement's rows and diagram, the explanation's tabs and the printed
// page all show the number as added up, with the luck and the text of the
// number it counts as (above 81, n - 80 until within 1..81; 0 has neither).
// The command-line tool is held to the same table by its own test.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app_state.h"
#include "explanation_view.h"
#include "grid_reading.h"
#include "gui_fixture.h"
#include "judge.h"
#include "judgement_view.h"
#include "print_page.h"

namespace hoshikura {
namespace {

struct NamedGrids {
    std::string surname, given;
    int grids[kGridCount];
    int counted[kGridCount];
};

std::vector<NamedGrids> ReadNamedGrids() {
    std::ifstream file(HOSHIKURA_TEST_DATA "/grid_numbers.tsv", std::ios::binary);
    std::vector<NamedGrids> names;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        NamedGrids n{};
        std::string grids, counted;
        std::getline(fields, n.surname, '\t');
        std::getline(fields, n.given, '\t');
        std::getline(fields, grids, '\t');
        std::getline(fields, counted, '\t');
        std::istringstream g(grids), c(counted);
        for (int i = 0; i < kGridCount; ++i) g >> n.grids[i] >> std::ws, c >> n.counted[i] >> std::ws;
        names.push_back(n);
    }
    return names;
}

// The table is UTF-8; the program's texts (and this file's literals) are Shift-JIS.
std::string Sjis(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0],
                                    static_cast<int>(wide.size())));
    std::string out(wide.size() * 2, '\0');
    out.resize(WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), &out[0],
                                   static_cast<int>(out.size()), nullptr, nullptr));
    return out;
}

// "117画（37画として）" for 117 counted as 37, "8画" for 8, with the luck word
// of the counted number ("―" for 0).
std::string NumberText(int number, int counted) {
    std::string text = std::to_string(number) + "画";
    if (counted != number) text += "（" + std::to_string(counted) + "画として）";
    return text;
}

std::string LuckText(int counted) {
    return counted < 1 ? "―" : LuckWord(TheJudge().LuckClass(counted));
}

using GridSurfacesTest = test::ViewTest;

TEST_F(GridSurfacesTest, EveryWindowAndThePageReadAGridAsItCounts) {
    const std::vector<NamedGrids> names = ReadNamedGrids();
    ASSERT_EQ(names.size(), 8u);
    for (const NamedGrids& n : names) {
        const std::string surname = Sjis(n.surname), given = Sjis(n.given);
        SCOPED_TRACE(n.surname + " " + n.given);
        auto* judgement = static_cast<CJudgementView*>(Open({kJudgementView, surname.c_str(), given.c_str()}));
        ASSERT_NE(judgement, nullptr);
        const CNameRecord& record = judgement->record;
        // Every text a drawing put on its canvas, one drawn call a line.
        const auto drawn = [](auto draw) {
            test::CDrawnText texts;
            EXPECT_TRUE(texts.Installed());
            draw();
            return texts.Lines();
        };
        const auto holds = [](const std::string& lines, const std::string& text) {
            return lines.find(text) != std::string::npos;
        };
        test::CCanvas canvas(judgement->width, judgement->height);
        const auto window = drawn([&] {
            SendMessageA(judgement->window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
        });
        test::CCanvas paper(kPageUnitsWide, kPageUnitsTall);
        const auto page = drawn([&] {
            DrawJudgementPage(paper.Dc(), record, App().fortunes, paper.Width(), paper.Height());
        });
        auto* explanation = static_cast<CExplanationView*>(Open({kExplanationView, surname.c_str(), given.c_str()}));
        ASSERT_NE(explanation, nullptr);

        for (int g = 0; g < kGridCount; ++g) {
            ASSERT_EQ(record.grids[g], n.grids[g]) << g;
            const std::string number = NumberText(n.grids[g], n.counted[g]);
            const std::string luck = LuckText(n.counted[g]);
            EXPECT_TRUE(holds(window, "[" + number + "] " + luck)) << "judgement row " << g;
            // The diagram's two-digit boxes hold the number as counted.
            EXPECT_TRUE(holds("\n" + window, "\n" + std::to_string(n.counted[g]) + "\n")) << "diagram box " << g;
            if (g == kHeaven) continue;

            const int kind = FortuneKindOfGrid(g);
            const char* text = n.counted[g] ? App().fortunes->FortuneText(kind, n.counted[g]) : "";
            const std::string heading = GridName(g) + std::string("が[") + number + "]（" + luck + "）";
            EXPECT_TRUE(holds(page, heading)) << "printed heading " << g;
            explanation->ShowTab(g - kPerson);
            const std::string shown = test::TextOf(explanation->page);
            EXPECT_NE(shown.find("[" + number + "]（" + luck + "）"), std::string::npos)
                << "explanation heading " << g;
            // A number without a text of its own says so instead.
            const std::string said = ReadGrid(record, g, App().fortunes).text;
            EXPECT_EQ(said == text, *text != '\0') << g;
            EXPECT_NE(shown.find(said), std::string::npos) << "explanation text " << g;
            EXPECT_TRUE(holds(page, said.substr(0, 4))) << "printed text " << g;
        }
        test::CloseAllViews();
    }
}

}  // namespace
}  // namespace hoshikura
