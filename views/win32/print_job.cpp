// The print job around the page: the print dialog, the spooler calls, and
// the message that tells whether the page went out.
#include "print_page.h"

#include "app_state.h"
#include "draw_context.h"
#include "message_sink.h"

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

// The print button's view is the active child; the frame when none is.
HWND DialogOwner() {
    const CAppState& app = App();
    HWND active = app.client ? reinterpret_cast<HWND>(SendMessageA(app.client, WM_MDIGETACTIVE, 0, 0))
                             : nullptr;
    return active ? active : app.frame;
}

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
    return PrintDlgA(&dialog_) == 1;
}

bool SpoolJudgement(HDC printer, const CNameRecord& record) {
    CDrawContext* context = App().drawContext;
    if (!printer || !context) return false;
    const int width = GetDeviceCaps(printer, HORZRES);
    const int height = GetDeviceCaps(printer, VERTRES);
    DOCINFOA document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = kDocumentName;
    if (StartDocA(printer, &document) <= 0) return false;
    if (StartPage(printer) <= 0) {
        AbortDoc(printer);
        return false;
    }
    context->AttachDC(printer);
    DrawJudgementPage(record, width, height);
    // An attached DC is only forgotten, not released: it is the dialog's.
    context->ReleaseContext();
    if (EndPage(printer) <= 0 || EndDoc(printer) <= 0) {
        AbortDoc(printer);
        return false;
    }
    return true;
}

void PrintJudgement(const CNameRecord& record, PrinterChoice choice) {
    const HWND owner = DialogOwner();
    bool printed = false;
    {
        CPrinterSelection printer;
        if (!printer.Choose(owner, choice)) return;
        printed = SpoolJudgement(printer.Dialog().hDC, record);
    }
    // The printer is given back before the message box waits for a click.
    ShowMessage("%s", printed ? kPrinted : kNotPrinted);
}

}  // namespace hoshikura
