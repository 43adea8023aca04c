#include "input_dialogs.h"

#include <richedit.h>

#include <cstring>
#include <cwchar>
#include <string>

#include "app_state.h"
#include "child_window.h"
#include "dialog_text.h"
#include "dispatch.h"
#include "message_box_sink.h"
#include "resource_ids.h"
#include "sjis_text.h"
#include "view.h"
#include "wide_text.h"
#include "window_placement.h"

namespace hoshikura {

namespace {

// The prompt and what replaces it show in 28-point Mincho type.
constexpr LONG kEditTypeTwips = 560;
constexpr wchar_t kEditTypeFace[] = L"ＭＳ Ｐ明朝";
static_assert(sizeof kEditTypeFace <= sizeof(CHARFORMATW::szFaceName), "face name fits");

// Every dialog ends with 1; the frame does not look at it.
constexpr INT_PTR kDialogResult = 1;
constexpr int kMaxActions = 2;

// What sets one input dialog apart; the six share everything else.
struct InputDialog {
    const wchar_t* templateName;
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
    {L"DLGBOX1", IDC_FULL_NAME_EDIT, "姓名を入力", kFieldReadLimit, false, {IDOK, 0},
     JudgeTypedName},
    {L"DLGBOX2", IDC_SURNAME_EDIT, "姓を入力", kFieldReadLimit, false,
     {IDC_GOOD_SEARCH, IDC_BAD_SEARCH}, SearchGivenNamePatterns},
    {L"DLGBOX3", IDC_READING_EDIT, "(姓)  (ひらがな)", kFieldReadLimit, true, {IDC_QUERY_OK, 0},
     SearchByReading},
    {L"DLGBOX4", IDC_KANJI_EDIT, "(姓)  (漢字１文字)", kFieldReadLimit, true, {IDC_QUERY_OK, 0},
     SearchByKanji},
    {L"DLGBOX5", IDC_GIVEN_NAME_EDIT, "名前を入力", kGivenNameReadLimit, true,
     {IDC_GOOD_SEARCH, IDC_BAD_SEARCH}, SearchSurnames},
    {L"DLGBOX6", IDC_COMPOSE_EDIT, "(姓)  (ひらがな)", kFieldReadLimit, true, {IDC_QUERY_OK, 0},
     ComposeFromReading},
};

// Large Mincho type for the selection, so the prompt and what is typed over
// it show in it.
void SetPromptType(HWND edit) {
    CHARFORMATW format{};
    format.cbSize = sizeof format;
    SendMessageW(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    // The Japanese character set names the face a Japanese font, whatever
    // the system's code page.
    format.dwMask |= CFM_SIZE | CFM_FACE | CFM_CHARSET;
    format.yHeight = kEditTypeTwips;
    format.bCharSet = SHIFTJIS_CHARSET;
    std::wcscpy(format.szFaceName, kEditTypeFace);
    SendMessageW(edit, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

void InitEditField(HWND dialog, const InputDialog& d) {
    HWND edit = GetDlgItem(dialog, d.editId);
    if (!edit) return;
    // The field holds no more than is read from it, so nothing typed is
    // dropped unseen.
    SendMessageA(edit, EM_EXLIMITTEXT, 0, d.readLimit);
    SubclassControl(edit, TabMovesFocusProc);
    SetWindowTextW(edit, Wide(d.initialText).c_str());
    SendMessageA(edit, EM_SETSEL, 0, -1);
    if (d.focusOnInit) SetFocus(edit);
    SetPromptType(edit);
}

void FocusEditField(HWND dialog, const InputDialog& d) {
    if (HWND edit = GetDlgItem(dialog, d.editId)) SetFocus(edit);
}

// Tells, over the dialog, that a character typed or pasted cannot be used,
// naming it: the message is UTF-16, as CP932 cannot hold the character.
void RefuseCharacter(HWND dialog, const UnheldCharacter& unheld) {
    const UnusableCharacterText text = UnusableCharacterMessage(unheld.code);
    ShowUnicodeMessage(dialog, Wide(text.before.c_str()) + unheld.units + Wide(text.after.c_str()));
}

// The field's text as CP932, at most the dialog's limit of bytes and
// terminated. The prompt left in place is no input. False, after telling
// the user, when the field holds a character CP932 cannot hold.
bool ReadTypedText(HWND dialog, const InputDialog& d, char (&text)[kFieldBufferSize]) {
    text[0] = '\0';
    std::string typed;
    UnheldCharacter unheld;
    if (!ToCp932(WindowText(GetDlgItem(dialog, d.editId)), typed, &unheld)) {
        RefuseCharacter(dialog, unheld);
        return false;
    }
    CopyText(text, sizeof text, typed.c_str());
    SealFieldText(text, sizeof text, static_cast<std::size_t>(d.readLimit));
    if (std::strcmp(text, d.initialText) == 0) text[0] = '\0';
    return true;
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
    if (ReadTypedText(dialog, d, typed) && d.act(id, typed)) EndDialog(dialog, kDialogResult);
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
    DialogBoxParamW(App().instance, d.templateName, owner, InputDlgProc,
                    reinterpret_cast<LPARAM>(&d));
}

}  // namespace hoshikura
