#include "input_dialogs.h"

#include <richedit.h>

#include <cstring>

#include "app_state.h"
#include "child_window.h"
#include "dialog_text.h"
#include "dispatch.h"
#include "resource_ids.h"
#include "sjis_text.h"
#include "view.h"
#include "window_placement.h"

namespace hoshikura {

namespace {

// The prompt and what replaces it show in 28-point Mincho type.
constexpr LONG kEditTypeTwips = 560;
constexpr char kEditTypeFace[] = "ＭＳ Ｐ明朝";
static_assert(sizeof(CHARFORMATA) == 60, "the rich-edit character format of 60 bytes");
static_assert(sizeof kEditTypeFace <= sizeof(CHARFORMATA::szFaceName), "face name fits");

// Every dialog ends with 1; the frame does not look at it.
constexpr INT_PTR kDialogResult = 1;
constexpr int kMaxActions = 2;

// What sets one input dialog apart; the six share everything else.
struct InputDialog {
    const char* templateName;
    int editId;
    const char* initialText;
    int readLimit;          // bytes read from the field, and what it holds
    bool focusOnInit;       // DLGBOX1 and DLGBOX2 are focused on WM_SIZE alone
    int actions[kMaxActions];  // action button ids; 0 for none
    // Handles an action button with the text read; true when the dialog ends.
    bool (*act)(int buttonId, const char* typed);
};

bool JudgeTypedName(int, const char* typed) { return JudgeFullName(typed); }

// The search view is requested while the dialog is still up; the dialog
// ends once the request passed its checks, whether or not a window opened.
bool RequestSearch(bool passed, const SearchRequest& request) {
    if (passed) OpenSearchView(request);
    return passed;
}

bool SearchGivenNamePatterns(int buttonId, const char* typed) {
    SearchRequest request;
    return RequestSearch(StrokePatternRequest(typed, buttonId == IDC_GOOD_SEARCH, request), request);
}

bool SearchByReading(int, const char* typed) {
    SearchRequest request;
    return RequestSearch(ReadingRequest(typed, SearchKind::kReading, request), request);
}

bool ComposeFromReading(int, const char* typed) {
    SearchRequest request;
    return RequestSearch(ReadingRequest(typed, SearchKind::kCompose, request), request);
}

bool SearchByKanji(int, const char* typed) {
    SearchRequest request;
    return RequestSearch(KanjiRequest(typed, request), request);
}

bool SearchSurnames(int buttonId, const char* typed) {
    SearchRequest request;
    return RequestSearch(SurnameRequest(typed, buttonId == IDC_GOOD_SEARCH, request), request);
}

// In InputDialogKind order.
const InputDialog kInputDialogs[] = {
    {"DLGBOX1", IDC_FULL_NAME_EDIT, "姓名を入力", kFieldReadLimit, false, {IDOK, 0},
     JudgeTypedName},
    {"DLGBOX2", IDC_SURNAME_EDIT, "姓を入力", kFieldReadLimit, false,
     {IDC_GOOD_SEARCH, IDC_BAD_SEARCH}, SearchGivenNamePatterns},
    {"DLGBOX3", IDC_READING_EDIT, "(姓)  (ひらがな)", kFieldReadLimit, true, {IDC_QUERY_OK, 0},
     SearchByReading},
    {"DLGBOX4", IDC_KANJI_EDIT, "(姓)  (漢字１文字)", kFieldReadLimit, true, {IDC_QUERY_OK, 0},
     SearchByKanji},
    {"DLGBOX5", IDC_GIVEN_NAME_EDIT, "名前を入力", kGivenNameReadLimit, true,
     {IDC_GOOD_SEARCH, IDC_BAD_SEARCH}, SearchSurnames},
    {"DLGBOX6", IDC_COMPOSE_EDIT, "(姓)  (ひらがな)", kFieldReadLimit, true, {IDC_QUERY_OK, 0},
     ComposeFromReading},
};

// Large Mincho type for the selection, so the prompt and what is typed over
// it show in it.
void SetPromptType(HWND edit) {
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    SendMessageA(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    format.dwMask |= CFM_SIZE | CFM_FACE;
    format.yHeight = kEditTypeTwips;
    CopyText(format.szFaceName, sizeof format.szFaceName, kEditTypeFace);
    SendMessageA(edit, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

void InitEditField(HWND dialog, const InputDialog& d) {
    HWND edit = GetDlgItem(dialog, d.editId);
    if (!edit) return;
    // The field holds no more than is read from it, so nothing typed is
    // dropped unseen.
    SendMessageA(edit, EM_EXLIMITTEXT, 0, d.readLimit);
    SubclassControl(edit, TabMovesFocusProc);
    SetWindowTextA(edit, d.initialText);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    if (d.focusOnInit) SetFocus(edit);
    SetPromptType(edit);
}

void FocusEditField(HWND dialog, const InputDialog& d) {
    if (HWND edit = GetDlgItem(dialog, d.editId)) SetFocus(edit);
}

// The field's text, at most the dialog's limit of bytes and terminated
// whatever the control wrote. The prompt left in place is no input.
void ReadTypedText(HWND dialog, const InputDialog& d, char (&text)[kFieldBufferSize]) {
    text[0] = '\0';
    GetDlgItemTextA(dialog, d.editId, text, kFieldBufferSize);
    SealFieldText(text, sizeof text, static_cast<std::size_t>(d.readLimit));
    if (std::strcmp(text, d.initialText) == 0) text[0] = '\0';
}

bool IsAction(const InputDialog& d, int id) {
    for (int action : d.actions)
        if (action != 0 && action == id) return true;
    return false;
}

INT_PTR OnCommand(HWND dialog, const InputDialog& d, int id) {
    if (id == IDCANCEL) {
        EndDialog(dialog, kDialogResult);
        return TRUE;
    }
    if (!IsAction(d, id)) return FALSE;
    char typed[kFieldBufferSize];
    ReadTypedText(dialog, d, typed);
    if (d.act(id, typed)) EndDialog(dialog, kDialogResult);
    return TRUE;
}

// The row of the dialog, handed over at WM_INITDIALOG and kept with the
// dialog's window.
const InputDialog* DialogRow(HWND dialog) {
    return reinterpret_cast<const InputDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

INT_PTR CALLBACK InputDlgProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lparam);
        // No template gives a position: the dialog comes up over the frame.
        CentreOver(dialog, GetWindow(dialog, GW_OWNER));
        const InputDialog& d = *reinterpret_cast<const InputDialog*>(lparam);
        InitEditField(dialog, d);
        // FALSE keeps the focus given to the field: TRUE would move it to
        // the first tab stop, a button.
        return d.focusOnInit ? FALSE : TRUE;
    }
    const InputDialog* d = DialogRow(dialog);
    if (!d) return FALSE;
    switch (message) {
    case WM_SIZE:
        FocusEditField(dialog, *d);
        return TRUE;
    case WM_COMMAND:
        return OnCommand(dialog, *d, LOWORD(wparam));
    default:
        return FALSE;
    }
}

}  // namespace

void RunInputDialog(HWND owner, InputDialogKind kind) {
    const InputDialog& d = kInputDialogs[static_cast<int>(kind)];
    DialogBoxParamA(App().instance, d.templateName, owner, InputDlgProc,
                    reinterpret_cast<LPARAM>(&d));
}

}  // namespace hoshikura
