// The printed page: header, grid diagram, the four grid fortunes, the four
// method scores with their faces and the total. Every number below is in
// page units, drawn through a context of the page's scale, except the
// background, which covers the whole printable area in device units.
#include "print_page.h"

#include <cstring>

#include "colours.h"
#include "dpi.h"
#include "draw_context.h"
#include "draw_face.h"
#include "fortune_table.h"
#include "grid_diagram.h"
#include "grid_reading.h"
#include "judge.h"
#include "program_version.h"
#include "rating.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

constexpr COLORREF kGreen = 0x00C000;
constexpr int kDiagramX = 100;
constexpr int kDiagramDrop = 230;  // the diagram moves down by 230 - 15 n
constexpr int kDiagramDropPerCharacter = 15;

// The page's four text rows explain the person, earth, outer and total
// grids, in that order.
int GridOfFortuneRow(int r) { return kPerson + r; }

COLORREF Background() { return GetSysColor(COLOR_BTNFACE); }

// The top of row r's text panel; its heading stands above it.
int FortuneRowTop(int r) { return 52 + 144 * r; }

// The column as the judgement window lays it out, moved down the page.
void DrawDiagram(CDrawContext& dc, const CNameRecord& record) {
    CColumnLayout column;
    LayOutCharacters(record, MetricForDpi(SM_CYCAPTION, kDesignDpi), &column);
    const int n = record.surnameLength + record.givenLength;
    DrawGridDiagram(dc, record, column, kDiagramBrackets, kDiagramX, kPageDiagramStyle,
                    kDiagramDrop - kDiagramDropPerCharacter * n);
}

void DrawBackground(HDC dc, int width, int height) {
    // Scale 1 and a one-pixel pen: a wider one would spill past the
    // printable area.
    CDrawContext device(dc);
    device.colour = Background();
    device.DrawBox(0, 0, width, height);
}

void DrawHeader(CDrawContext& dc) {
    dc.colour = kGreen;
    dc.SetFont({"Courier New", 9});
    char header[64];
    FormatText(header, sizeof header, "Hoshikura (Ver.%s)  姓名判断結果", VersionNumberText());
    dc.DrawStringOn(10, 10, header, Background());
}

// Person, earth, outer and total: the heading in the luck colour over the
// grid number's fortune text.
void DrawGridFortunes(CDrawContext& dc, const CNameRecord& record,
                      const CFortuneTable* fortunes) {
    for (int r = 0; r < kFortuneKinds; ++r) {
        const GridReading reading = ReadGrid(record, GridOfFortuneRow(r), fortunes);
        const int y0 = FortuneRowTop(r);
        dc.colour = kWhite;
        dc.DrawPanel(249, y0 - 22, 470, y0, 1);
        dc.colour = LuckColour(reading.luck);
        char heading[kGridTextSize];
        FormatFortuneHeading(reading, heading, sizeof heading);
        // A number read as another makes the heading longer than its panel:
        // it is set smaller rather than run past it.
        dc.SetFont({kPageFace, 15});
        dc.DrawStringWithin({254, y0 - 18, 468, y0}, heading, kWhite);

        dc.SetFont({kPageFace, kFortuneTextHeight});
        dc.colour = kWhite;
        dc.DrawPanel(249, y0 + 1, 592, y0 + 114, 1);
        dc.colour = kBlack;
        dc.DrawTextBox(FortuneTextBox(r), reading.text, kWhite);
    }
}

void DrawScore(CDrawContext& dc, int x, int y, int32_t score) {
    char text[16];
    FormatText(text, sizeof text, "%3d点", score);
    dc.colour = kBlack;
    dc.DrawStringOn(x, y, text, kWhite);
}

void DrawMethodScores(CDrawContext& dc, const CNameRecord& record) {
    dc.penWidth = 2;
    dc.DrawEtchedLine(kEtchedLine[0], kEtchedLine[1], kEtchedLine[2]);
    dc.SetFont({kPageFace, 24});
    dc.colour = kBlack;
    dc.DrawStringOn(100, 630, "各方法による点数", Background());
    for (int i = 0; i < kMethodCount; ++i) {
        const PageFace face = MethodFace(i);
        const int y1 = face.y - 10;
        dc.SetFont({kPageFace, 22});
        dc.colour = kBlack;
        dc.DrawStringOn(55, y1, MethodName(i), Background());
        dc.colour = kWhite;
        dc.DrawPanel(112, y1 - 3, 182, y1 + 25, 2);
        DrawScore(dc, 120, y1 + 1, record.scores[i]);
        const int level = MethodRatingLevel(i, record.scores[i]);
        DrawFace(dc, face.x, face.y, face.size, level);
        dc.SetFont({kPageFace, 20});
        dc.colour = kBlack;
        char word[32];
        FormatText(word, sizeof word, "(%s)", RatingWord(level));
        dc.DrawStringOn(220, y1 + 2, word, Background());
    }
}

void DrawTotal(CDrawContext& dc, const CNameRecord& record) {
    dc.SetFont({kPageFace, 32});
    dc.colour = kBlack;
    dc.DrawStringOn(400, 630, "総合得点", Background());
    dc.colour = kWhite;
    dc.DrawPanel(412, 666, 512, 707, 2);
    DrawScore(dc, 424, 671, record.totalScore);
    const int level = TotalRatingLevel(record.totalScore);
    dc.penWidth = 2;
    DrawFace(dc, kTotalFace.x, kTotalFace.y, kTotalFace.size, level);
    // Centred on x = 470 at 6 units a byte.
    dc.SetFont({kPageFace, 12});
    const char* sentence = RatingSentence(level);
    const int length = static_cast<int>(std::strlen(sentence));
    dc.DrawStringOn(470 - (length * 6) / 2, 810, sentence, Background());
}

}  // namespace

RECT FortuneTextBox(int r) { return {251, FortuneRowTop(r) + 3, 590, FortuneRowTop(r) + 112}; }

PageFace MethodFace(int i) { return {200, 670 + 40 * i + 10, 15}; }

double PageScale(int width, int height) {
    const double acrossWidth = width * (1.0 / kPageUnitsWide);
    const double downHeight = height * (1.0 / kPageUnitsTall);
    return downHeight < acrossWidth ? downHeight : acrossWidth;
}

void DrawJudgementPage(HDC dc, const CNameRecord& record, const CFortuneTable* fortunes, int width,
                       int height) {
    DrawBackground(dc, width, height);
    CDrawContext page(dc, PageScale(width, height));
    DrawHeader(page);
    DrawDiagram(page, record);
    DrawGridFortunes(page, record, fortunes);
    DrawMethodScores(page, record);
    DrawTotal(page, record);
}

}  // namespace hoshikura
