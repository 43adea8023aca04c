// The five input dialogs run modally from their templates inside the hidden
// frame: a timer inside the dialog's own loop looks at the field, types,
// presses a button or a key, and cancels a dialog that stayed open.
#include <gtest/gtest.h>

#include <richedit.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app_state.h"
#include "dialog_text.h"
#include "gui_fixture.h"
#include "input_dialogs.h"
#include "person_view.h"
#include "resource_ids.h"
#include "screenshot.h"
#include "view.h"
#include "view_list.h"
#include "view_test.h"

namespace hoshikura {
namespace {

const char kSurnameTooLong[] = "姓の文字数は５文字以内です。";
const char kHalfWidth[] = "半角文字は使用できません。";

struct DialogCase {
    const char* templateName;
    DLGPROC procedure;
    int editId;
};

const DialogCase kFullName = {"DLGBOX1", FullNameDlgProc, IDC_FULL_NAME_EDIT};
const DialogCase kSurname = {"DLGBOX2", SurnameDlgProc, IDC_SURNAME_EDIT};
const DialogCase kReading = {"DLGBOX3", ReadingDlgProc, IDC_READING_EDIT};
const DialogCase kKanji = {"DLGBOX4", KanjiDlgProc, IDC_KANJI_EDIT};
const DialogCase kGivenName = {"DLGBOX5", GivenNameDlgProc, IDC_GIVEN_NAME_EDIT};
const DialogCase kCompose = {"DLGBOX6", ComposeDlgProc, IDC_COMPOSE_EDIT};
const DialogCase* const kAllDialogs[] = {&kFullName, &kSurname, &kReading,
                                         &kKanji,    &kGivenName, &kCompose};

// What one modal run saw.
struct DialogRun {
    INT_PTR result = 0;
    bool shown = false;           // the script found the dialog
    std::string shownText;        // the field's text as the dialog came up
    bool centredOverFrame = false;
    bool fieldFocused = false;
    bool promptSelected = false;
    int viewsAfterAction = -1;    // counted while the dialog was still up
    bool endedByAction = false;   // false: it stayed open and was cancelled
    bool snapped = false;         // its picture was saved
    // A message box the action caused, as it stood and after its OK.
    HWND boxOwner = nullptr;
    bool boxOverDialog = false;
    bool frameEnabledUnderBox = true;
    bool dialogActiveAfterBox = false;
    bool frameEnabledAfterBox = true;
};

// What the script does once the dialog is up.
struct DialogScript {
    const DialogCase* dialog = nullptr;
    bool typeText = false;
    std::string text;
    int button = 0;             // pressed when not 0
    bool pressEnter = false;    // Return in the field instead of a button
    std::string snapFile;       // saved as an artefact before it is cancelled
    bool answerBox = false;     // a message box comes up and is answered OK
    int ticks = 0;
    HWND window = nullptr;
    HWND box = nullptr;
    DialogRun run;
};

DialogScript& Script() {
    static DialogScript script;
    return script;
}

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    if (!IsWindowVisible(window) || !test::IsDialogWindow(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

POINT Centre(HWND window) {
    RECT area;
    GetWindowRect(window, &area);
    return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

std::string FieldText(HWND dialog, int id) {
    char text[kFieldBufferSize] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void LookAndAct(DialogScript& s) {
    HWND edit = GetDlgItem(s.window, s.dialog->editId);
    s.run.shown = true;
    s.run.shownText = FieldText(s.window, s.dialog->editId);
    // Centred to the pixel, give or take the halving of odd sizes.
    s.run.centredOverFrame = std::abs(Centre(s.window).x - Centre(App().frame).x) <= 1 &&
                             std::abs(Centre(s.window).y - Centre(App().frame).y) <= 1;
    s.run.fieldFocused = GetFocus() == edit;
    CHARRANGE selection = {};
    SendMessageA(edit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    // All selected: the end may lie past the text, on the closing paragraph mark.
    const LONG characters = GetWindowTextLengthW(edit);
    s.run.promptSelected = characters > 0 && selection.cpMin == 0 && selection.cpMax >= characters;
    if (s.typeText) SetDlgItemTextA(s.window, s.dialog->editId, s.text.c_str());
    if (s.pressEnter) {
        // The key goes where the user's key goes: to the focused window.
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
        PostMessageA(GetFocus(), WM_KEYUP, VK_RETURN, 0);
    } else if (s.button) {
        SendMessageA(s.window, WM_COMMAND, MAKEWPARAM(s.button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(s.window, s.button)));
        s.run.viewsAfterAction = test::ViewCount();
    }
}

constexpr int kSnapTick = 15;  // 300 ms after the dialog came up

BOOL CALLBACK FindOtherDialog(HWND window, LPARAM found) {
    if (!IsWindowVisible(window) || !test::IsDialogWindow(window) || window == Script().window)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

bool CentreInside(HWND window, HWND area) {
    RECT outer;
    GetWindowRect(area, &outer);
    return PtInRect(&outer, Centre(window)) != 0;
}

// Notes how the message box stands, answers it, and on a later tick how the
// dialog stands after it. False while the box is still to be dealt with.
bool AnswerBox(DialogScript& s) {
    if (!s.box) {
        EnumThreadWindows(GetCurrentThreadId(), FindOtherDialog, reinterpret_cast<LPARAM>(&s.box));
        if (!s.box) return false;
        s.run.boxOwner = GetWindow(s.box, GW_OWNER);
        s.run.boxOverDialog = CentreInside(s.box, s.window);
        s.run.frameEnabledUnderBox = IsWindowEnabled(App().frame) != 0;
        PostMessageA(s.box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return false;
    }
    if (IsWindow(s.box)) return false;
    s.run.dialogActiveAfterBox = GetActiveWindow() == s.window;
    s.run.frameEnabledAfterBox = IsWindowEnabled(App().frame) != 0;
    s.answerBox = false;
    return true;
}

// Runs inside the dialog's modal loop: the first tick acts, a later one
// finds the dialog still up and cancels it.
void CALLBACK ScriptTimer(HWND, UINT, UINT_PTR, DWORD) {
    DialogScript& s = Script();
    if (!s.window) {
        EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&s.window));
        if (!s.window) return;
        LookAndAct(s);
        return;
    }
    ++s.ticks;
    if (s.answerBox && !AnswerBox(s)) return;
    if (!s.snapFile.empty()) {
        // The picture once the dialog's own messages have put it on the screen.
        if (s.ticks < kSnapTick) return;
        if (s.ticks == kSnapTick)
            s.run.snapped = test::SaveWindowPng(s.window, test::ArtefactPath(s.snapFile.c_str()));
    }
    if (s.ticks < 3) return;  // let a posted key reach the dialog
    if (IsWindowVisible(s.window))
        SendMessageA(s.window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

DialogRun RunDialog(const DialogScript& script) {
    Script() = script;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, ScriptTimer);
    Script().run.result = DialogBoxParamA(App().instance, script.dialog->templateName, App().frame,
                                          script.dialog->procedure, 0);
    KillTimer(nullptr, timer);
    DialogScript& s = Script();
    // A dialog the action ended never reached the cancelling tick.
    s.run.endedByAction = s.ticks < 3;
    test::PumpMessages();
    return s.run;
}

DialogRun Press(const DialogCase& dialog, int button, const std::string& text) {
    DialogScript script;
    script.dialog = &dialog;
    script.typeText = true;
    script.text = text;
    script.button = button;
    return RunDialog(script);
}

DialogRun PressUntouched(const DialogCase& dialog, int button) {
    DialogScript script;
    script.dialog = &dialog;
    script.button = button;
    return RunDialog(script);
}

DialogRun TypeAndEnter(const DialogCase& dialog, const std::string& text) {
    DialogScript script;
    script.dialog = &dialog;
    script.typeText = true;
    script.text = text;
    script.pressEnter = true;
    return RunDialog(script);
}

std::string Repeat(const std::string& piece, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += piece;
    return s;
}

class InputDialogTest : public test::ViewTest {
protected:
    // The dialog stayed open, opened nothing, and showed these messages.
    static void ExpectStayedOpen(const DialogRun& run, const std::vector<std::string>& shown) {
        EXPECT_EQ(run.result, 1);
        EXPECT_TRUE(run.shown);
        EXPECT_FALSE(run.endedByAction);
        EXPECT_EQ(test::ViewCount(), 0);
        EXPECT_EQ(test::TakeMessages(), shown);
    }
};

TEST_F(InputDialogTest, EveryDialogComesUpWithThePromptSelectedInAFocusedField) {
    for (const DialogCase* d : kAllDialogs) {
        SCOPED_TRACE(d->templateName);
        DialogRun run = PressUntouched(*d, IDCANCEL);
        EXPECT_EQ(run.result, 1);
        EXPECT_TRUE(run.shown);
        EXPECT_FALSE(run.shownText.empty()) << "a prompt stands in the field";
        EXPECT_TRUE(run.fieldFocused);
        EXPECT_TRUE(run.centredOverFrame);
        EXPECT_TRUE(run.promptSelected);
        EXPECT_TRUE(run.endedByAction) << "Cancel ends the dialog";
        EXPECT_EQ(test::ViewCount(), 0);
    }
}

TEST_F(InputDialogTest, FullNameJudgesAndRemembersThePerson) {
    DialogRun run = Press(kFullName, IDOK, "山田　太郎");
    EXPECT_TRUE(run.endedByAction);
    ASSERT_EQ(test::ViewCountOfKind(kJudgementView), 1);
    auto* view = static_cast<CPersonView*>(App().viewList->head);
    EXPECT_STREQ(view->Surname(), "山田");
    EXPECT_STREQ(view->GivenName(), "太郎");
    EXPECT_STREQ(App().recent.surnames[0], "山田");
    EXPECT_STREQ(App().recent.givenNames[0], "太郎");
    EXPECT_TRUE(test::TakeMessages().empty());
}

TEST_F(InputDialogTest, FullNameStaysOpenForWhatDoesNotSplit) {
    ExpectStayedOpen(Press(kFullName, IDOK, "山田"), {});
    ExpectStayedOpen(Press(kFullName, IDOK, ""), {});
    ExpectStayedOpen(Press(kFullName, IDOK, "一二三四五六　太郎"), {kSurnameTooLong});
    ExpectStayedOpen(Press(kFullName, IDOK, "山田 a"), {kHalfWidth});
    // Far beyond the field's limit: read up to it, refused as one word.
    ExpectStayedOpen(Press(kFullName, IDOK, Repeat("山", 600)), {});
}

TEST_F(InputDialogTest, AMessageKeepsItsDialogInFrontOfTheDisabledFrame) {
    test::CShownFrame shown;
    test::ShowMessageBoxes();
    DialogScript byEnter;
    byEnter.dialog = &kFullName;
    byEnter.text = "abcdefghijk cd";
    byEnter.pressEnter = true;
    DialogScript byButton;
    byButton.dialog = &kGivenName;
    byButton.text = "一二三四五六";
    byButton.button = IDC_GOOD_SEARCH;
    for (DialogScript* script : {&byEnter, &byButton}) {
        SCOPED_TRACE(script->dialog->templateName);
        script->typeText = true;
        script->answerBox = true;
        const DialogRun run = RunDialog(*script);
        EXPECT_EQ(run.boxOwner, Script().window);
        EXPECT_TRUE(run.boxOverDialog);
        EXPECT_FALSE(run.frameEnabledUnderBox);
        EXPECT_TRUE(run.dialogActiveAfterBox);
        EXPECT_FALSE(run.frameEnabledAfterBox);
        EXPECT_FALSE(run.endedByAction);
    }
    test::RecordMessages();
}

TEST_F(InputDialogTest, EnterPressesTheDefaultButton) {
    DialogRun run = TypeAndEnter(kFullName, "山田 太郎");
    EXPECT_TRUE(run.endedByAction);
    EXPECT_EQ(test::ViewCountOfKind(kJudgementView), 1);
    test::CloseAllViews();
    run = TypeAndEnter(kSurname, "鈴木");
    EXPECT_TRUE(run.endedByAction);
    EXPECT_EQ(test::ViewCountOfKind(kStrokeSearchView), 1);
}

TEST_F(InputDialogTest, SavesEveryDialogAsItComesUp) {
    const char* const files[] = {"dialog_full_name.png", "dialog_surname.png", "dialog_reading.png",
                                 "dialog_kanji.png", "dialog_given_name.png", "dialog_compose.png"};
    static_assert(sizeof files / sizeof files[0] == sizeof kAllDialogs / sizeof kAllDialogs[0],
                  "one file per dialog");
    for (int d = 0; d < static_cast<int>(sizeof files / sizeof files[0]); ++d) {
        DialogScript script;
        script.dialog = kAllDialogs[d];
        script.snapFile = files[d];
        const DialogRun run = RunDialog(script);
        EXPECT_TRUE(run.shown && run.snapped) << files[d];
        EXPECT_EQ(test::ViewCount(), 0);
    }
}

}  // namespace
}  // namespace hoshikura
