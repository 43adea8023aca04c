// The print job around the page: the print dialog, the spooler calls, and
// the message that tells whether the page went out.
#include "print_page.h"

#include "message_sink.h"
#include "wide_text.h"

namespace hoshikura {

namespace {

constexpr char kDocumentName[] = "TEST PRINT";
constexpr char kPrinted[] = "印刷ＯＫ  ";
constexpr char kNotPrinted[] = "印刷できませんでした。";

// A printer DC back; one page only, no selection, copies and collation
// through the device mode, no print-to-file box.
constexpr DWORD kDialogFlags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION |
                               PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE;
static_assert(kDialogFlags == 0x0014010C, "the print dialog's flags");
// The default printer's DC without any window, not even the warning that
// there is no default printer.
constexpr DWORD kDefaultPrinterFlags = PD_RETURNDEFAULT | PD_RETURNDC | PD_NOWARNING;

}  // namespace

CPrinterSelection::~CPrinterSelection() {
    if (dialog_.hDC) DeleteDC(dialog_.hDC);
    if (dialog_.hDevMode) GlobalFree(dialog_.hDevMode);
    if (dialog_.hDevNames) GlobalFree(dialog_.hDevNames);
}

bool CPrinterSelection::Choose(HWND owner, PrinterChoice choice) {
    // A second dialog would overwrite the handles of the first.
    if (dialog_.lStructSize != 0) return false;
    dialog_.lStructSize = sizeof dialog_;
    dialog_.hwndOwner = owner;
    dialog_.Flags = choice == PrinterChoice::kAskUser ? kDialogFlags : kDefaultPrinterFlags;
    dialog_.nFromPage = dialog_.nToPage = dialog_.nMinPage = dialog_.nMaxPage = 1;
    dialog_.nCopies = 1;
    return PrintDlgW(&dialog_) == 1;
}

bool SpoolPage(HDC printer, const PageDrawing& draw) {
    if (!printer) return false;
    const int width = GetDeviceCaps(printer, HORZRES);
    const int height = GetDeviceCaps(printer, VERTRES);
    const std::wstring name = Wide(kDocumentName);
    DOCINFOW document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = name.c_str();
    if (StartDocW(printer, &document) <= 0) return false;
    if (StartPage(printer) <= 0) {
        AbortDoc(printer);
        return false;
    }
    draw(printer, width, height);
    if (EndPage(printer) <= 0 || EndDoc(printer) <= 0) {
        AbortDoc(printer);
        return false;
    }
    return true;
}

namespace {

PageDrawing JudgementPage(const CNameRecord& record, const CFortuneTable* fortunes) {
    return [&record, fortunes](HDC dc, int width, int height) {
        DrawJudgementPage(dc, record, fortunes, width, height);
    };
}

}  // namespace

bool SpoolJudgement(HDC printer, const CNameRecord& record, const CFortuneTable* fortunes) {
    return SpoolPage(printer, JudgementPage(record, fortunes));
}

void PrintJudgement(HWND owner, const CNameRecord& record, const CFortuneTable* fortunes,
                    PrinterChoice choice) {
    PrintPage(owner, JudgementPage(record, fortunes), choice);
}

void PrintPage(HWND owner, const PageDrawing& draw, PrinterChoice choice) {
    bool printed = false;
    {
        CPrinterSelection printer;
        if (!printer.Choose(owner, choice)) return;
        printed = SpoolPage(printer.Dialog().hDC, draw);
    }
    // The printer is given back before the message box waits for a click.
    ShowMessage("%s", printed ? kPrinted : kNotPrinted);
}

}  // namespace hoshikura
