#include "gui_fixture.h"

#include <direct.h>

#include <commctrl.h>

#include "app_state.h"
#include "dialog_text.h"
#include "dispatch.h"
#include "frame_window.h"
#include "message_box_sink.h"
#include "message_sink.h"
#include "recent_people.h"
#include "sjis_text.h"
#include "view.h"
#include "view_list.h"
#include "wide_text.h"

namespace hoshikura {
namespace test {

namespace {

int g_answerButton = 0;
std::string* g_answerText = nullptr;
std::wstring* g_answerWide = nullptr;

class CCollectingSink : public CMessageSink {
public:
    void Show(const char* text) override { shown.emplace_back(text); }
    void Debug(const char*) override {}
    std::vector<std::string> shown;
};

CCollectingSink& Sink() {
    static CCollectingSink sink;
    return sink;
}

// Answers the message box asked for, once, inside the box's own modal loop.
void CALLBACK AnswerTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindDialog();
    if (!box) return;
    if (g_answerText) *g_answerText = MessageBoxText(box);
    if (g_answerWide) *g_answerWide = MessageBoxWideText(box);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(g_answerButton, BN_CLICKED), 0);
    KillTimer(nullptr, timer);
}

}  // namespace

HWND EnsureFrame() {
    CAppState& app = App();
    if (app.frame) return app.frame;
    SetMessageSink(&Sink());
    static bool registered = false;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!registered) {
        LoadLibraryW(L"MSFTEDIT.DLL");
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);
        registered = RegisterWindowClasses(instance);
        if (!registered) return nullptr;
    }
    app = CAppState();
    return CreateFrameWindow(instance);
}

void DestroyFrame() {
    if (App().frame) DestroyWindow(App().frame);
    App().frame = nullptr;
    // The frame posted its quit message; it must not end a later loop.
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

HWND FindDialog(HWND other) { return FindProcessWindow(GetCurrentProcessId(), "#32770", other); }

// The program's own loop: its key translation first, then the usual steps.
bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds) return false;
        PumpFor(20);
    }
    return true;
}

void TypeKey(BYTE key, BYTE modifier) {
    if (modifier) keybd_event(modifier, 0, 0, 0);
    keybd_event(key, 0, 0, 0);
    keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
    if (modifier) keybd_event(modifier, 0, KEYEVENTF_KEYUP, 0);
}

std::vector<HWND> TabStops(HWND window) {
    std::vector<HWND> stops;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child) && IsWindowEnabled(child) && (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP))
            stops.push_back(child);
    return stops;
}

void PumpFor(DWORD milliseconds) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < milliseconds; Sleep(5)) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT || TranslateViewKeys(&message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void CloseAllViews() {
    CAppState& app = App();
    while (app.viewList && app.viewList->head)
        SendMessageA(app.client, WM_MDIDESTROY,
                     reinterpret_cast<WPARAM>(app.viewList->head->window), 0);
    PumpMessages();
}

int ViewCount() {
    int count = 0;
    for (HWND child = App().client ? GetWindow(App().client, GW_CHILD) : nullptr; child;
         child = GetWindow(child, GW_HWNDNEXT))
        count += (GetWindowLongPtrA(child, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
    return count;
}

int ViewCountOfKind(int kind) {
    int count = 0;
    if (!App().viewList) return 0;
    for (CView* view = App().viewList->head; view; view = view->next)
        if (kind < 0 || view->kind == kind) ++count;
    return count;
}

void ForgetStoredLists() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Hoshikura"); }

void ShowMessageBoxes() {
    static CMessageBoxSink boxes;
    SetMessageSink(&boxes);
}

void RecordMessages() { SetMessageSink(&Sink()); }

std::vector<std::string> TakeMessages() {
    std::vector<std::string> shown;
    shown.swap(Sink().shown);
    return shown;
}

std::string TextOf(HWND window) { return Narrow(WindowText(window)); }

std::string ListRow(HWND list, int row) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length <= 0) return std::string();
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&text[0]));
    return Narrow(text.c_str());
}

std::string MenuText(HMENU menu, UINT item, UINT flags) {
    wchar_t text[256] = L"";
    GetMenuStringW(menu, item, text, 256, flags);
    return Narrow(text);
}

std::string MessageBoxText(HWND box) { return Narrow(MessageBoxWideText(box)); }

std::wstring MessageBoxWideText(HWND box) { return WindowText(GetDlgItem(box, 0xFFFF)); }

void AnswerNextMessageBox(int button, std::string* text, std::wstring* wide) {
    g_answerButton = button;
    g_answerText = text;
    g_answerWide = wide;
    SetTimer(nullptr, 0, 50, AnswerTimer);
}

void ChooseSex(int command) { SendMessageA(App().frame, WM_COMMAND, MAKEWPARAM(command, 0), 0); }

int MarkedSexItem() {
    int marked = 0;
    for (const int command : {kCmdSexBoys, kCmdSexGirls, kCmdSexBoth}) {
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_STATE;
        if (!GetMenuItemInfoA(GetMenu(App().frame), command, FALSE, &item)) return 0;
        if (!(item.fState & MFS_CHECKED)) continue;
        if (marked || !(item.fType & MFT_RADIOCHECK)) return 0;
        marked = command;
    }
    return marked;
}

std::string TestFolder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path).erase(std::string(path).rfind('\\'));
}

std::string ProgramFolder() {
    const std::string tests = TestFolder();
    return tests.substr(0, tests.rfind('\\'));
}

std::string ArtefactPath(const char* fileName) {
    _mkdir("artefacts");
    if (GetACP() == kProgramCodePage) return std::string("artefacts\\") + fileName;
    // Under another code page beside them, to be compared with them.
    const std::string folder = "artefacts\\cp" + std::to_string(GetACP());
    _mkdir(folder.c_str());
    return folder + "\\" + fileName;
}

void ViewTest::SetUp() {
    ASSERT_NE(EnsureFrame(), nullptr);
    CloseAllViews();
    App().rankLists.Clear();
    // The lists a run before left in the registry do not count here.
    App().recent.Clear();
    RebuildRecentMenu();
    App().viewList->windowCount = 0;
    TakeMessages();
}

void ViewTest::TearDown() {
    CloseAllViews();
    App().rankLists.Clear();
}

CView* ViewTest::NewestView() {
    CView* last = App().viewList->head;
    while (last && last->next) last = last->next;
    return last;
}

CView* ViewTest::Open(const ViewRequest& request) {
    CView* view = OpenRequested(request) ? NewestView() : nullptr;
    return view && view->kind == request.kind ? view : nullptr;
}

namespace {

SearchRequest SearchOf(SearchKind kind, const ViewRequest& request) {
    SearchRequest search;
    search.kind = kind;
    CopyText(search.surname, sizeof search.surname, request.surname);
    CopyText(search.query, sizeof search.query, request.query);
    return search;
}

}  // namespace

bool OpenRequested(const ViewRequest& r) {
    switch (r.kind) {
    case kJudgementView:
        return OpenJudgement(r.surname, r.query);
    case kRankView:
    case kVersionView:
    case kFeaturesView:
    case kComparisonView:
        return OpenSingleView(static_cast<ViewKind>(r.kind));
    case kStrokeSearchView:
        return OpenSearchView(SearchOf(SearchKind::kStrokePatterns, r));
    case kReadingSearchView:
        return OpenSearchView(SearchOf(SearchKind::kReading, r));
    case kKanjiSearchView:
        return OpenSearchView(SearchOf(SearchKind::kKanji, r));
    case kSurnameSearchView:
        return OpenSearchView(SearchOf(SearchKind::kSurnames, r));
    case kComposeSearchView:
        return OpenSearchView(SearchOf(SearchKind::kCompose, r));
    default:
        return OpenPersonView(static_cast<ViewKind>(r.kind), r.surname, r.query);
    }
}

// Every kind but 6, which names no view.
const ViewRequest kEveryViewRequest[15] = {
    {kJudgementView, "山田", "太郎"},
    {kExplanationView, "山田", "太郎"},
    {kStrokeMethodView, "山田", "太郎"},
    {kElementMethodView, "山田", "太郎"},
    {kYinYangMethodView, "山田", "太郎"},
    {kSameStrokeMethodView, "山田", "太郎"},
    {kRankView},
    {kStrokeSearchView, "鈴木"},
    {kReadingSearchView, "山田", "ひろし"},
    {kKanjiSearchView, "山田", "太"},
    {kSurnameSearchView, "", "太郎"},
    {kVersionView},
    {kFeaturesView},
    {kComposeSearchView, "佐藤", "はると"},
    {kComparisonView},
};
static_assert(sizeof kEveryViewRequest / sizeof kEveryViewRequest[0] == kViewKindCount - 1,
              "a request for every view kind");

CShownFrame::CShownFrame() : frame_(EnsureFrame()) { ShowWindow(frame_, SW_SHOW); }

CShownFrame::~CShownFrame() { ShowWindow(frame_, SW_HIDE); }

bool CShownFrame::Snap(HWND window, const std::string& fileName) const {
    SetForegroundWindow(frame_);
    // What the messages leave on the screen, nothing forced; a window
    // closed just before may take a moment to leave it.
    PumpFor(400);
    return SaveWindowPng(window, ArtefactPath(fileName.c_str()));
}

}  // namespace test
}  // namespace hoshikura
