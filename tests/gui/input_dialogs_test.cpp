// The input dialogs run modally from their templates inside the hidden
// frame, with real message boxes: a timer inside the dialog's own loop looks
// at the focused field, types into it, presses a button or Return, answers
// a message box and cancels a dialog that stayed open.
#include <gtest/gtest.h>

#include <richedit.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app_state.h"
#include "gui_fixture.h"
#include "input_dialogs.h"
#include "judgement_view.h"
#include "resource_ids.h"
#include "view_list.h"
#include "wide_text.h"

namespace hoshikura {
namespace {

struct Dialog {
    const char* templateName;
    InputDialogKind kind;
    const char* snapFile;  // the README's picture of it as it comes up
};
const Dialog kDialogs[] = {
    {"DLGBOX1", InputDialogKind::kFullName, "dialog_full_name.png"},
    {"DLGBOX2", InputDialogKind::kSurname, "dialog_surname.png"},
    {"DLGBOX3", InputDialogKind::kReading, "dialog_reading.png"},
    {"DLGBOX4", InputDialogKind::kKanji, "dialog_kanji.png"},
    {"DLGBOX5", InputDialogKind::kGivenName, "dialog_given_name.png"},
    {"DLGBOX6", InputDialogKind::kCompose, "dialog_compose.png"}};
enum { kFullName, kSurname, kReading, kKanji, kGivenName, kCompose };

constexpr int kReturn = 0;     // Return in the field instead of a button
constexpr int kNoAction = -1;
constexpr int kSnapTick = 15;  // 300 ms after the dialog came up
constexpr int kCancelTick = 5;

// What is done once the dialog is up, and what should come of it.
struct Case {
    int dialog;         // of kDialogs
    const char* typed;  // left untouched when null
    int button;
    int opensKind;  // -1: stays open
    bool message;
    bool snap;
    const wchar_t* pasted = nullptr;  // put on the clipboard as Unicode and pasted
};

// A case as the script runs it, and what the script saw.
struct Script {
    const Case* run = nullptr;
    int ticks = 0;
    HWND window = nullptr;
    bool promptSelected = false;  // in the focused field, as it came up
    bool centredOverFrame = false;
    bool snapped = false;
    HWND box = nullptr;  // a message box the action caused
    std::string boxText;
    std::wstring boxWide;  // the whole text, as UTF-16
    bool boxInFront = false;       // owned by the dialog, over it, the frame disabled
    bool dialogBackInFront = false;  // active again after the box, the frame still disabled
    bool boxGone = false;
};

Script g_script;  // the case running

POINT Centre(HWND window) {
    RECT area;
    GetWindowRect(window, &area);
    return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

// As Ctrl+V does, from a clipboard that holds the text as Unicode only.
void Paste(HWND field, const std::wstring& text) {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (void* locked = block ? GlobalLock(block) : nullptr) {
        std::memcpy(locked, text.c_str(), bytes);
        GlobalUnlock(block);
        if (!SetClipboardData(CF_UNICODETEXT, block)) GlobalFree(block);
    }
    CloseClipboard();
    SendMessageW(field, WM_PASTE, 0, 0);
}

void LookAndAct(Script& s) {
    HWND field = GetFocus();
    CHARRANGE selection = {};
    SendMessageA(field, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    // All selected: the end may lie past the text, on the closing paragraph mark.
    const LONG characters = GetWindowTextLengthW(field);
    s.promptSelected = GetParent(field) == s.window && characters > 0 && selection.cpMin == 0 &&
                       selection.cpMax >= characters;
    // Centred to the pixel, give or take the halving of odd sizes.
    s.centredOverFrame = std::abs(Centre(s.window).x - Centre(App().frame).x) <= 1 &&
                         std::abs(Centre(s.window).y - Centre(App().frame).y) <= 1;
    if (s.run->typed) SetWindowTextW(field, Wide(s.run->typed).c_str());
    if (s.run->pasted) Paste(field, s.run->pasted);
    if (s.run->button == kReturn) {
        PostMessageA(field, WM_KEYDOWN, VK_RETURN, 0);
        PostMessageA(field, WM_KEYUP, VK_RETURN, 0);
    } else if (s.run->button != kNoAction) {
        SendMessageA(s.window, WM_COMMAND, MAKEWPARAM(s.run->button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(s.window, s.run->button)));
    }
}

// Notes how a message box stands and answers it; on the tick after it has
// gone, how the dialog stands. False while the box is up.
bool AnswerBox(Script& s) {
    if (!s.box) {
        s.box = test::FindDialog(s.window);
        if (!s.box) return true;
        s.boxText = test::MessageBoxText(s.box);
        s.boxWide = test::MessageBoxWideText(s.box);
        RECT dialog;
        GetWindowRect(s.window, &dialog);
        s.boxInFront = GetWindow(s.box, GW_OWNER) == s.window && PtInRect(&dialog, Centre(s.box)) &&
                       !IsWindowEnabled(App().frame);
        PostMessageA(s.box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return false;
    }
    if (IsWindow(s.box)) return false;
    if (!s.boxGone) s.dialogBackInFront = GetActiveWindow() == s.window && !IsWindowEnabled(App().frame);
    s.boxGone = true;
    return true;
}

// Runs inside the dialog's modal loop (and a message box's): the first tick
// acts, later ones answer a box and cancel the dialog if it stayed open.
void CALLBACK ScriptTimer(HWND, UINT, UINT_PTR, DWORD) {
    Script& s = g_script;
    if (!s.window) {
        s.window = test::FindDialog();
        if (s.window) LookAndAct(s);
        return;
    }
    ++s.ticks;
    if (!AnswerBox(s)) return;
    if (s.run->snap && s.ticks < kSnapTick) return;
    if (s.ticks == kSnapTick) s.snapped = test::SaveWindowPng(s.window, test::ArtefactPath(kDialogs[s.run->dialog].snapFile));
    if (s.ticks >= kCancelTick && IsWindowVisible(s.window))
        SendMessageA(s.window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

// What the script saw of the case.
Script RunDialog(const Case& run) {
    g_script = Script();
    g_script.run = &run;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, ScriptTimer);
    const Dialog& dialog = kDialogs[run.dialog];
    RunInputDialog(App().frame, dialog.kind);
    KillTimer(nullptr, timer);
    test::PumpMessages();
    return g_script;
}

class InputDialogTest : public test::ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        test::ShowMessageBoxes();
    }
    void TearDown() override {
        test::RecordMessages();
        ViewTest::TearDown();
    }
    const test::CShownFrame shown_;
};

// Each dialog comes up centred over the frame with its prompt selected in
// the focused field. What is typed opens its view, or keeps the dialog open
// with at most one message, shown over the dialog in front of the disabled
// frame.
TEST_F(InputDialogTest, TypedTextIsAcceptedOrRefusedWithTheMessageOverTheDialog) {
    std::string mountains;
    for (int i = 0; i < 600; ++i) mountains += "山";  // far beyond the field's limit
    std::vector<Case> cases;
    for (int dialog = kFullName; dialog <= kCompose; ++dialog) cases.push_back({dialog, nullptr, kNoAction, -1, false, true});
    cases.insert(cases.end(), {
        {kFullName, "山田　太郎", IDOK, kJudgementView, false, false},
        {kFullName, "山田 太郎", kReturn, kJudgementView, false, false},
        {kFullName, "山田", IDOK, -1, false, false},
        {kFullName, "\t山田\x01　太郎\t", IDOK, kJudgementView, false, false},
        {kSurname, nullptr, kReturn, -1, false, false},
        {kReading, nullptr, IDC_QUERY_OK, -1, false, false},
        {kFullName, "", IDOK, -1, false, false},
        {kFullName, mountains.c_str(), IDOK, -1, false, false},
        {kFullName, "一二三四五六　太郎", IDOK, -1, true, false},
        {kFullName, "abcdefghijk cd", kReturn, -1, true, false},
        {kSurname, "鈴木", kReturn, kStrokeSearchView, false, false},
        {kReading, "山田 ひろし", kReturn, kReadingSearchView, false, false},
        {kKanji, "山田 翔", kReturn, kKanjiSearchView, false, false},
        {kKanji, "山田 翔太", kReturn, -1, false, false},
        {kGivenName, "太郎", IDC_GOOD_SEARCH, kSurnameSearchView, false, false},
        {kGivenName, "一二三四五六", IDC_GOOD_SEARCH, -1, true, false},
        {kCompose, "佐藤 はると", kReturn, kComposeSearchView, false, false},
    });
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(kDialogs[c.dialog].templateName) + " " + (c.typed ? c.typed : "untouched"));
        const Script run = RunDialog(c);
        EXPECT_TRUE(run.promptSelected);
        EXPECT_TRUE(run.centredOverFrame);
        EXPECT_EQ(run.snapped, c.snap);
        EXPECT_EQ(run.ticks >= kCancelTick, c.opensKind < 0) << "stayed open until cancelled";
        EXPECT_EQ(test::ViewCount(), c.opensKind < 0 ? 0 : 1);
        EXPECT_EQ(test::ViewCountOfKind(c.opensKind), c.opensKind < 0 ? 0 : 1);
        EXPECT_EQ(run.box != nullptr, c.message) << run.boxText;
        if (run.box) {
            EXPECT_FALSE(run.boxText.empty());
            EXPECT_TRUE(run.boxInFront);
            EXPECT_TRUE(run.dialogBackInFront);
        }
        test::CloseAllViews();
    }
    EXPECT_STREQ(App().recent.surnames[0], "山田");
    EXPECT_STREQ(App().recent.givenNames[0], "太郎");
    for (int k = 0; k < App().recent.Entries(); ++k)
        EXPECT_EQ(std::string(App().recent.givenNames[k]).find('\t'), std::string::npos) << k;
}

// Text pasted as Unicode is read as Unicode, whatever the system's code
// page: a name is judged with its strokes, and a character CP932 cannot hold
// is refused with a message that names it, never taken as "?".
TEST_F(InputDialogTest, PastedNameIsJudgedAndACharacterOutsideCp932IsRefusedByName) {
    const Case judged = {kFullName, nullptr, IDOK, kJudgementView, false, false, L"山田　太郎"};
    RunDialog(judged);
    const CView* view = NewestView();
    ASSERT_NE(view, nullptr);
    const CNameRecord& record = static_cast<const CJudgementView*>(view)->record;
    EXPECT_STREQ(record.surname, "山田");
    EXPECT_STREQ(record.givenName, "太郎");
    EXPECT_EQ(std::vector<int>(record.strokes, record.strokes + 4), (std::vector<int>{3, 5, 4, 9}));
    test::CloseAllViews();

    const struct {
        const wchar_t* pasted;
        const wchar_t* told;
    } refused[] = {
        {L"𠮷田　太郎", L"「𠮷」は、このプログラムでは使えない文字です。「吉」で入力してください。"},
        {L"山田　☺", L"「☺」は、このプログラムでは使えない文字です。漢字・ひらがな・全角カタカナで、異体字なら標準の字体で入力してください。"},
    };
    for (const auto& r : refused) {
        const Case c = {kFullName, nullptr, IDOK, -1, true, false, r.pasted};
        const Script run = RunDialog(c);
        EXPECT_EQ(run.boxWide, r.told);
        EXPECT_TRUE(run.boxInFront);
        EXPECT_EQ(test::ViewCount(), 0);
    }
    EXPECT_EQ(App().recent.Entries(), 1) << "only the name judged";
}

BOOL CALLBACK CountButtons(HWND child, LPARAM counts) {
    char name[16] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Button") == 0)
        ++reinterpret_cast<int*>(counts)[(GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) ? 1 : 0];
    return TRUE;
}

constexpr BYTE kShift = 0x80;  // no key of a script has this bit

// Keys typed into a dialog as keyboard input, one a tick, and where the
// focus went.
struct KeyScript {
    const char* typed = nullptr;
    std::vector<BYTE> keys;  // virtual keys, kShift added for Shift held
    std::size_t next = 0;
    HWND window = nullptr;
    HWND field = nullptr;
    std::vector<HWND> stops;
    int buttons[2] = {};      // without and with a tab stop
    std::vector<HWND> focus;  // after each key but the last
    std::string fieldBeforeLastKey;
    int ticksAfterKeys = 0;
};
KeyScript g_keys;

void CALLBACK KeyTimer(HWND, UINT, UINT_PTR, DWORD) {
    KeyScript& k = g_keys;
    if (!k.window) {
        k.window = test::FindDialog();
        if (!k.window) return;
        k.field = GetFocus();
        k.stops = test::TabStops(k.window);
        EnumChildWindows(k.window, CountButtons, reinterpret_cast<LPARAM>(k.buttons));
        SetWindowTextW(k.field, Wide(k.typed).c_str());
    } else if (k.next < k.keys.size()) {
        k.focus.push_back(GetFocus());
    }
    if (k.next == k.keys.size()) {
        // A dialog the keys did not end is cancelled, and the test fails.
        if (++k.ticksAfterKeys > kCancelTick && IsWindowVisible(k.window))
            SendMessageA(k.window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return;
    }
    if (k.next + 1 == k.keys.size()) {
        k.fieldBeforeLastKey = test::TextOf(k.field);
    }
    const BYTE key = k.keys[k.next++];
    test::TypeKey(key & ~kShift, (key & kShift) ? VK_SHIFT : 0);
}

// From the field, Tab visits every button in template order and comes back
// to the field, Shift+Tab goes back the same way, no Tab is typed into the
// field, and Return there presses the default button.
TEST_F(InputDialogTest, TabCyclesInTemplateOrderAndReturnPressesTheDefault) {
    const struct {
        int dialog;
        const char* typed;
        int opensKind;
    } cases[] = {
        {kFullName, "山田　太郎", kJudgementView},     {kSurname, "鈴木", kStrokeSearchView},
        {kReading, "山田 ひろし", kReadingSearchView}, {kKanji, "山田 翔", kKanjiSearchView},
        {kGivenName, "太郎", kSurnameSearchView},      {kCompose, "佐藤 はると", kComposeSearchView},
    };
    SetForegroundWindow(App().frame);
    for (const auto& c : cases) {
        SCOPED_TRACE(kDialogs[c.dialog].templateName);
        // The field stands last in every template: a round of Tab from it
        // visits the others in order and returns to it.
        const int round = c.dialog == kSurname || c.dialog == kGivenName ? 4 : 3;
        g_keys = KeyScript();
        g_keys.typed = c.typed;
        g_keys.keys.assign(round, VK_TAB);
        g_keys.keys.insert(g_keys.keys.end(), round, VK_TAB | kShift);
        g_keys.keys.push_back(VK_RETURN);
        const UINT_PTR timer = SetTimer(nullptr, 0, 60, KeyTimer);
        RunInputDialog(App().frame, kDialogs[c.dialog].kind);
        KillTimer(nullptr, timer);
        test::PumpMessages();
        const KeyScript& k = g_keys;
        ASSERT_EQ(k.stops.size(), static_cast<std::size_t>(round));
        EXPECT_EQ(k.buttons[0], 0) << "every button is a tab stop";
        EXPECT_EQ(k.stops.back(), k.field);
        std::vector<HWND> expected(k.stops);
        expected.insert(expected.end(), k.stops.rbegin() + 1, k.stops.rend());
        expected.push_back(k.field);
        EXPECT_EQ(k.focus, expected);
        EXPECT_EQ(k.fieldBeforeLastKey, c.typed);
        EXPECT_EQ(test::ViewCountOfKind(c.opensKind), 1);
        test::CloseAllViews();
    }
}

}  // namespace
}  // namespace hoshikura
