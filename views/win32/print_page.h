// Printing one judgement on one page, document "TEST PRINT": the page
// layout in page units (600 across), drawn through a drawing context of the
// device's page scale, and the print job around it.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <functional>

#include "name_record.h"

namespace hoshikura {

class CFortuneTable;

constexpr int kPageUnitsWide = 600;
// The lowest line of the layout (the total's sentence) ends at 822 units.
constexpr int kPageUnitsTall = 830;

// The page's typeface; where the page wraps row r's fortune text (0 person
// .. 3 total), in page units, and the font height of that text.
constexpr char kPageFace[] = "明朝";
RECT FortuneTextBox(int r);
constexpr int kFortuneTextHeight = 12;
// The faces of the method scores (row i) and of the total, in page units;
// the etched line above the method scores starts at kEtchedLine[0] and
// kEtchedLine[1] and is kEtchedLine[2] long.
struct PageFace {
    int x, y, size;
};
PageFace MethodFace(int i);
constexpr PageFace kTotalFace = {460, 760, 45};
constexpr int kEtchedLine[3] = {20, 610, 560};

enum class PrinterChoice {
    kAskUser,         // the print dialog
    kDefaultPrinter,  // the default printer, no dialog (tests and automation)
};

// Draws one page on a device context whose printable area is width × height
// device units.
using PageDrawing = std::function<void(HDC dc, int width, int height)>;

// Prints one page: dialog (owned by `owner`), the page, and a message
// telling whether it was printed. Cancelling the dialog ends it silently.
void PrintPage(HWND owner, const PageDrawing& draw, PrinterChoice choice = PrinterChoice::kAskUser);

// Prints the page as one document on a printer device context. False when
// a spooler call failed; the started document is then aborted.
bool SpoolPage(HDC printer, const PageDrawing& draw);

// Prints the record's judgement with the fortune texts of its grids:
// dialog (owned by `owner`), one page, and a message telling whether it was
// printed. Cancelling the dialog ends it silently.
void PrintJudgement(HWND owner, const CNameRecord& record, const CFortuneTable* fortunes,
                    PrinterChoice choice = PrinterChoice::kAskUser);

// Device units per page unit for a printable area of width × height
// device units: 600 units fill the width unless the page is too short for
// the layout, which then fills the height.
double PageScale(int width, int height);

// Draws the whole page on `dc`, whose printable area is width × height
// device units, at the scale PageScale gives that area.
void DrawJudgementPage(HDC dc, const CNameRecord& record, const CFortuneTable* fortunes, int width,
                       int height);

// SpoolPage of the judgement's page.
bool SpoolJudgement(HDC printer, const CNameRecord& record, const CFortuneTable* fortunes);

// What the print dialog hands back. The printer DC and the device-mode and
// device-names blocks are released when this goes out of scope.
class CPrinterSelection {
public:
    CPrinterSelection() = default;
    ~CPrinterSelection();
    CPrinterSelection(const CPrinterSelection&) = delete;
    CPrinterSelection& operator=(const CPrinterSelection&) = delete;

    // True when the dialog returned 1 (a printer was chosen). Once only.
    bool Choose(HWND owner, PrinterChoice choice);
    const PRINTDLGW& Dialog() const { return dialog_; }

private:
    PRINTDLGW dialog_{};
};

}  // namespace hoshikura
