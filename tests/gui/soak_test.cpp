// Long use leaks nothing: many view windows opened and closed, names judged
// through the full-name dialog, the registry written and read again and
// again. Counts of live C++ allocations, GDI objects and windows must come
// back to where they started, and the lists must hold what the ranking
// rules give for the names judged.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "app_state.h"
#include "dispatch.h"
#include "frame_window.h"
#include "gdi_counter.h"
#include "gui_fixture.h"
#include "name_record.h"
#include "resource_ids.h"
#include "sample_name.h"
#include "stored_settings.h"
#include "view.h"
#include "view_list.h"

namespace {
long g_liveAllocations = 0;
}

// Every C++ allocation of the test program is counted.
void* operator new(std::size_t size) {
    void* block = std::malloc(size ? size : 1);
    if (!block) throw std::bad_alloc();
    ++g_liveAllocations;
    return block;
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    void* block = std::malloc(size ? size : 1);
    if (block) ++g_liveAllocations;
    return block;
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return operator new(size, tag);
}
void operator delete(void* block) noexcept {
    if (!block) return;
    --g_liveAllocations;
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }
void operator delete[](void* block) noexcept { operator delete(block); }
void operator delete[](void* block, std::size_t) noexcept { operator delete(block); }

namespace hoshikura {
namespace {

// Size of the run: more than a thousand windows and a thousand judgements.
constexpr int kViewRounds = 80;         // × 13 kinds
constexpr int kJudgements = 1000;
constexpr int kStoreRounds = 1000;

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

// Types a line into DLGBOX1 from inside its modal loop and presses OK.
struct CDialogTyping {
    const char* line = nullptr;
    bool typed = false;
};

CDialogTyping& Typing() {
    static CDialogTyping typing;
    return typing;
}

BOOL CALLBACK TypeIntoDialog(HWND window, LPARAM) {
    if (!test::IsDialogWindow(window)) return TRUE;
    CDialogTyping& typing = Typing();
    if (!typing.typed) {
        SetDlgItemTextA(window, IDC_FULL_NAME_EDIT, typing.line);
        typing.typed = true;
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(window, IDOK)));
    } else {
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
    return FALSE;
}

void CALLBACK TypingTimer(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), TypeIntoDialog, 0);
}

void JudgeThroughDialog(const char* line) {
    Typing() = {line, false};
    UINT_PTR timer = SetTimer(nullptr, 0, 1, TypingTimer);
    SendMessageA(App().frame, WM_COMMAND, kCmdJudge, 0);
    KillTimer(nullptr, timer);
}

// Full names from the sample surnames and a few given names, with scores.
struct Person {
    std::string surname;
    std::string given;
};

std::vector<Person> People(int count) {
    const char* const given[] = {"太郎", "花子", "一", "翔", "美咲", "大輔", "さくら"};
    std::vector<Person> people;
    const CSampleName& samples = *App().samples;
    for (int i = 0; i < count; ++i) {
        char surname[16] = {};
        samples.GetSampleSei(i % samples.GetSampleSeiCount(), surname);
        people.push_back({surname, given[i % 7]});
    }
    return people;
}

class SoakTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(test::EnsureFrame(), nullptr);
        test::CloseAllViews();
        test::TakeMessages();
        OpenAndCloseEveryKind();  // warm up what is made once on first use
        test::PumpMessages();
    }
    void TearDown() override { test::CloseAllViews(); }

    static void OpenAndCloseEveryKind() {
        for (int kind = 0; kind < kViewKindCount; ++kind) {
            if (kind == kNoView) continue;
            OpenView("山田", kind == kStrokeSearchView ? "GOOD" : "太郎", kind);
        }
        test::CloseAllViews();
    }
};

TEST_F(SoakTest, ThousandsOfViewWindowsLeaveNothingBehind) {
    long allocations = g_liveAllocations;
    int windows = ThreadWindowCount();
    test::CGdiCounter gdi;
    ASSERT_TRUE(gdi.Installed());
    for (int round = 0; round < kViewRounds; ++round) {
        OpenAndCloseEveryKind();
        test::PumpMessages();
    }
    EXPECT_EQ(test::ViewCount(), 0);
    EXPECT_EQ(App().viewList->windowCount, 0);
    EXPECT_EQ(gdi.Alive(), 0) << "pens, brushes and fonts";
    EXPECT_EQ(ThreadWindowCount(), windows);
    EXPECT_EQ(g_liveAllocations, allocations);
    EXPECT_TRUE(test::TakeMessages().empty());
}

TEST_F(SoakTest, ThousandJudgementsThroughTheDialogKeepTheListsRight) {
    std::vector<Person> people = People(kJudgements);
    CRankLists expected;
    expected.Clear();
    App().rankLists.Clear();
    long allocations = g_liveAllocations;
    int windows = ThreadWindowCount();
    for (const Person& person : people) {
        std::string line = person.surname + " " + person.given;
        JudgeThroughDialog(line.c_str());
        CNameRecord record{};
        record.Analyse(person.surname.c_str(), person.given.c_str());
        expected.OfferName(person.surname.c_str(), person.given.c_str(), record.totalScore);
        test::CloseAllViews();
    }
    EXPECT_EQ(std::memcmp(&expected, &App().rankLists, sizeof expected), 0);
    EXPECT_EQ(App().recent.Entries(), 16);
    EXPECT_EQ(ThreadWindowCount(), windows);
    EXPECT_EQ(g_liveAllocations, allocations);
}

TEST_F(SoakTest, ThousandSavesAndLoadsKeepTheListsExactly) {
    CRankLists lists = App().rankLists;
    CRecentList recent = App().recent;
    long allocations = g_liveAllocations;
    for (int round = 0; round < kStoreRounds; ++round) {
        SaveStoredSettings();
        LoadStoredSettings();
    }
    EXPECT_EQ(std::memcmp(&lists, &App().rankLists, sizeof lists), 0);
    EXPECT_EQ(std::memcmp(&recent, &App().recent, sizeof recent), 0);
    EXPECT_EQ(g_liveAllocations, allocations);
}

}  // namespace
}  // namespace hoshikura
