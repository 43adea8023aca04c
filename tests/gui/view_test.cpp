#include "view_test.h"

#include "app_state.h"
#include "gui_fixture.h"
#include "screenshot.h"
#include "view_list.h"

namespace hoshikura {
namespace test {

void ViewTest::SetUp() {
    ASSERT_NE(EnsureFrame(), nullptr);
    CloseAllViews();
    App().rankLists.Clear();
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

// Every kind but 6, which names no view.
const ViewRequest kEveryViewRequest[14] = {
    {kJudgementView, "山田", "太郎"},
    {kExplanationView, "山田", "太郎"},
    {kStrokeMethodView, "山田", "太郎"},
    {kElementMethodView, "山田", "太郎"},
    {kYinYangMethodView, "山田", "太郎"},
    {kSameStrokeMethodView, "山田", "太郎"},
    {kRankView, "良い", "悪い"},
    {kStrokeSearchView, "山田", "良い"},
    {kReadingSearchView, "山田", "たろう"},
    {kKanjiSearchView, "山田", "太"},
    {kSurnameSearchView, "良い", "太郎"},
    {kVersionView, "ばー", "じょん"},
    {kFeaturesView, "説明", "特徴"},
    {kComposeSearchView, "佐藤", "はると"},
};
static_assert(sizeof kEveryViewRequest / sizeof kEveryViewRequest[0] == kViewKindCount - 1,
              "a request for every view kind");

std::string JoinFirst(const char* const* pool, int count) {
    std::string joined;
    for (int i = 0; i < count; ++i) joined += pool[i];
    return joined;
}

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
