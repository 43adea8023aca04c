// Every view kind opened, painted and closed as a user does, over and over:
// painting leaves no pen, brush or font and changes no record; the screen
// after the messages settle is what a full repaint draws (the README's
// pictures are taken from it); long use, the stored lists saved and loaded
// each round, gives back every window, allocation and GDI object.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <new>
#include <string>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "app_state.h"
#include "comparison_view.h"
#include "dispatch.h"
#include "frame_window.h"
#include "gui_fixture.h"
#include "name_record.h"
#include "person_view.h"
#include "stored_settings.h"
#include "stroke_search_view.h"
#include "view_list.h"

namespace {
long g_liveAllocations = 0;
}

// Every C++ allocation of the test program is counted (the standard
// library's array and nothrow forms call these).
void* operator new(std::size_t size) {
    void* block = std::malloc(size ? size : 1);
    if (!block) throw std::bad_alloc();
    ++g_liveAllocations;
    return block;
}
void operator delete(void* block) noexcept {
    if (!block) return;
    --g_liveAllocations;
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }

namespace hoshikura {
namespace {

using test::kEveryViewRequest;
using test::ViewRequest;

constexpr int kRounds = 25;  // × 15 kinds × 2 names: more than 700 windows

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, CountWindow, count);
    return TRUE;
}

int ThreadWindowCount() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

// The request with the longest, heaviest names where it takes a person.
ViewRequest Longest(ViewRequest request) {
    if (std::strcmp(request.surname, "山田") == 0) request.surname = "闇磯嬰襖臆";
    if (std::strcmp(request.query, "太郎") == 0) request.query = "霞嚇橿轄竃";
    return request;
}

// The view painted into a canvas of its size leaves no object alive and
// (for views of a person) its record as it was.
void ExpectCleanPaint(CView* view, const test::CGdiCounter& gdi) {
    const bool person = view->kind <= kSameStrokeMethodView;
    const char* record = person ? reinterpret_cast<const char*>(&static_cast<CPersonView*>(view)->record) : "";
    const std::string before(record, person ? sizeof(CNameRecord) : 0);
    test::CCanvas canvas(view->width, view->height);
    const int alive = gdi.Alive();
    SendMessageA(view->window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
    EXPECT_EQ(gdi.Alive(), alive) << "kind " << view->kind << " " << view->Surname();
    EXPECT_EQ(before, std::string(record, before.size())) << "kind " << view->kind;
}

// Opens each single-instance kind twice from the menu, then every kind for
// a common and for the longest names, paints each and closes them, every
// second one first: the list stays whole. Then saves and loads the lists.
int OpenPaintAndCloseEveryKind(const test::CGdiCounter& gdi) {
    for (int command : {kCmdRanking, kCmdVersion, kCmdFeatures, kCmdRanking, kCmdVersion, kCmdFeatures})
        SendMessageA(App().frame, WM_COMMAND, command, 0);
    EXPECT_EQ(test::ViewCount(), 3) << "single-instance kinds open once";
    for (const ViewRequest& request : kEveryViewRequest)
        for (const ViewRequest& asked : {request, Longest(request)})
            if (CView* view = test::ViewTest::Open(asked)) ExpectCleanPaint(view, gdi);
    const int opened = test::ViewCount();
    EXPECT_EQ(test::ViewCountOfKind(-1), opened);
    std::vector<HWND> windows;
    for (const CView* view = App().viewList->head; view; view = view->next)
        windows.push_back(view->window);
    for (int pass = 0; pass < 2; ++pass)
        for (size_t i = pass; i < windows.size(); i += 2) {
            SendMessageA(App().client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(windows[i]), 0);
            EXPECT_EQ(test::ViewCountOfKind(-1), test::ViewCount());
        }
    test::PumpMessages();
    SaveStoredSettings();
    LoadStoredSettings();
    return opened;
}

class EveryViewTest : public test::ViewTest {};

TEST_F(EveryViewTest, LongUseLeavesNothingBehindAndPaintingChangesNothing) {
    test::CGdiCounter gdi;
    ASSERT_TRUE(gdi.Installed());
    const int firstRound = OpenPaintAndCloseEveryKind(gdi);  // makes what is made once
    const long allocations = g_liveAllocations;
    const int windows = ThreadWindowCount();
    const int objects = gdi.Alive();
    for (int round = 1; round < kRounds; ++round)
        ASSERT_EQ(OpenPaintAndCloseEveryKind(gdi), firstRound) << "round " << round;
    EXPECT_EQ(test::ViewCount(), 0);
    EXPECT_EQ(App().viewList->windowCount, 0);
    EXPECT_EQ(gdi.Alive(), objects) << "pens, brushes and fonts";
    EXPECT_EQ(ThreadWindowCount(), windows);
    EXPECT_EQ(g_liveAllocations, allocations);
    EXPECT_TRUE(test::TakeMessages().empty());
}

// What a user sees after the natural message flow must be what a full
// repaint of the frame and all its children draws.
class ScreenConsistencyTest : public test::ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        SetForegroundWindow(App().frame);
        Settle();
    }

    static void Settle() { test::PumpFor(300); }

    // Saves both pictures when they differ.
    static void ExpectScreenSettled(const std::string& what) {
        Settle();
        const std::vector<COLORREF> natural = test::ScreenPixels(App().frame);
        test::SaveWindowPng(App().frame, test::ArtefactPath(("settled_" + what + ".png").c_str()));
        RedrawWindow(App().frame, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Settle();
        const bool same = test::ScreenPixels(App().frame) == natural;
        if (!same)
            test::SaveWindowPng(App().frame,
                                test::ArtefactPath(("repainted_" + what + ".png").c_str()));
        EXPECT_TRUE(same) << what;
    }

    static void Open(const ViewRequest& request) {
        test::PumpMessages();
        ASSERT_TRUE(test::OpenRequested(request)) << request.kind;
    }

    const test::CShownFrame shown_;
};

// Each kind over a judgement (the version view over the features view),
// then all of them in every arrangement; the README's pictures of views are
// taken on the way (docs/screenshots holds copies of all its pictures).
TEST_F(ScreenConsistencyTest, EveryKindOpenedOverAnotherAndEveryArrangement) {
    const std::map<int, const char*> readmePictures = {
        {kJudgementView, "judgement_yamada_taro.png"},   {kElementMethodView, "method_element_yamada.png"},
        {kExplanationView, "explanation_yamada_tab0.png"}, {kStrokeSearchView, "stroke_search_view.png"},
        {kReadingSearchView, "reading_search_view.png"},  {kComposeSearchView, "compose_search_view.png"}};
    for (const ViewRequest& request : kEveryViewRequest) {
        test::CloseAllViews();
        Open(request.kind == kVersionView ? kEveryViewRequest[12] : kEveryViewRequest[0]);
        Settle();
        Open(request);
        CView* view = NewestView();
        if (request.kind == kStrokeSearchView) {
            // Sample names as a choice of the fourth pattern shows them.
            HWND patterns = view->controls[CStrokeSearchView::kPatternList];
            SendMessageA(patterns, LB_SETCURSEL, 3, 0);
            SendMessageA(view->window, WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), reinterpret_cast<LPARAM>(patterns));
        }
        ExpectScreenSettled("kind" + std::to_string(request.kind));
        const auto picture = readmePictures.find(request.kind);
        if (picture != readmePictures.end()) {
            EXPECT_TRUE(test::SaveWindowPng(view->window, test::ArtefactPath(picture->second)));
        }
    }
    test::CloseAllViews();  // the last kind is one of the single views
    for (const ViewRequest& request : kEveryViewRequest) Open(request);
    for (int arrangement : {kCmdCascade, kCmdTileHorizontal, kCmdTileVertical}) {
        Settle();
        PostMessageA(App().frame, WM_COMMAND, arrangement, 0);
        ExpectScreenSettled("arrangement" + std::to_string(arrangement));
    }
}

// The comparison empty, with a few candidates (the README's picture), after
// a sort by 総合 and with thirty candidates.
TEST_F(ScreenConsistencyTest, ComparisonEmptySortedAndFull) {
    App().candidates.Clear();
    Open({kComparisonView});
    CView* view = NewestView();
    ExpectScreenSettled("comparison_empty");
    const char* const candidates[][2] = {{"山田", "太郎"}, {"山田", "花子"}, {"麗麗麗", "議議議"}, {"山田", "ゐ"},
                                         {"山田", "翔"}};
    for (const auto& name : candidates) AddCandidate(name[0], name[1]);
    ExpectScreenSettled("comparison_some");
    EXPECT_TRUE(shown_.Snap(view->window, "comparison_view.png"));
    NMLISTVIEW click = {};
    click.hdr.hwndFrom = view->controls[kComparisonList];
    click.hdr.code = LVN_COLUMNCLICK;
    click.iSubItem = kTotalColumn;
    SendMessageA(view->window, WM_NOTIFY, kComparisonList, reinterpret_cast<LPARAM>(&click));
    ExpectScreenSettled("comparison_sorted");
    for (int k = App().candidates.Entries(); k < kCandidateEntries; ++k)
        AddCandidate("佐藤", ("名" + std::to_string(k)).c_str());
    ExpectScreenSettled("comparison_full");
    App().candidates.Clear();
    SaveStoredSettings();
}

// The README's pictures of the best and worst lists and of the frame.
TEST_F(ScreenConsistencyTest, ListsAndFrameAsTheReadmeShowsThem) {
    const char* const judged[][2] = {{"山田", "太郎"}, {"林", "一"},     {"佐々木", "健太郎"},
                                     {"鈴木", "花子"}, {"高橋", "さくら"}, {"東西南北中", "春夏秋冬雪"},
                                     {"伊藤", "ハナコ"}};
    for (const auto& name : judged) ASSERT_TRUE(test::OpenRequested({kJudgementView, name[0], name[1]}));
    test::CloseAllViews();
    SendMessageA(App().frame, WM_COMMAND, kCmdRanking, 0);
    ASSERT_NE(App().viewList->rankingWindow, nullptr);
    EXPECT_TRUE(shown_.Snap(App().viewList->rankingWindow, "best_and_worst.png"));
    test::CloseAllViews();
    for (int kind : {kJudgementView, kExplanationView, kStrokeMethodView}) Open({kind, "山田", "太郎"});
    EXPECT_TRUE(shown_.Snap(App().frame, "frame.png"));
}

}  // namespace
}  // namespace hoshikura
