// Two starts of the program at once, as real processes on the real registry:
// the second start brings the running frame to the front and ends, so the
// lists are loaded and saved by one copy only.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "app_state.h"
#include "dispatch.h"
#include "gui_fixture.h"
#include "program_process.h"
#include "registry_store.h"
#include "single_copy.h"
#include "win32_registry_key.h"

namespace hoshikura {
namespace {

using test::CProgram;

bool Holds(const CRecentList& recent, const char* surname, const char* givenName) {
    for (int k = 0; k < recent.Entries(); ++k)
        if (!std::strcmp(recent.surnames[k], surname) && !std::strcmp(recent.givenNames[k], givenName)) return true;
    return false;
}

void LoadStored(CRecentList& recent, CRankLists& ranks) {
    CWin32RegistryHive hive;
    LoadSettings(hive, recent, ranks);
}

// Each test starts and leaves the user's registry without stored lists.
class TwoCopiesTest : public ::testing::Test {
protected:
    void SetUp() override { test::ForgetStoredLists(); }
    void TearDown() override { test::ForgetStoredLists(); }
};

TEST_F(TwoCopiesTest, SecondStartRaisesTheRunningFrameAndLosesNoJudgement) {
    // Stored before either copy starts.
    ASSERT_NE(test::EnsureFrame(), nullptr);
    ASSERT_EQ(JudgeFullName("伊藤 博"), 1);
    test::DestroyFrame();

    {
        CSingleCopy running;  // this process is the copy that runs
        ASSERT_TRUE(running.RunsHere());
        HWND frame = test::EnsureFrame();
        ASSERT_NE(frame, nullptr);
        ASSERT_EQ(JudgeFullName("山田 太郎"), 1);
        ShowWindow(frame, SW_SHOWMINIMIZED);
        ASSERT_TRUE(IsIconic(frame));

        CProgram second;
        ASSERT_TRUE(second.Started());
        ASSERT_TRUE(second.WaitForEnd()) << "the second copy kept running";
        EXPECT_EQ(second.ExitCode(), 0u);
        test::PumpMessages();
        EXPECT_FALSE(IsIconic(frame));
        EXPECT_TRUE(IsWindowVisible(frame));
        test::DestroyFrame();
    }

    // Once the running copy has ended, a new start runs and keeps both.
    CProgram later;
    ASSERT_TRUE(later.Started());
    HWND laterFrame = later.WaitForFrame();
    ASSERT_NE(laterFrame, nullptr);
    later.Quit(laterFrame);
    ASSERT_TRUE(later.WaitForEnd());
    EXPECT_EQ(later.ExitCode(), 0u);

    CRecentList recent;
    CRankLists ranks;
    LoadStored(recent, ranks);
    EXPECT_TRUE(Holds(recent, "山田", "太郎"));
    EXPECT_TRUE(Holds(recent, "伊藤", "博"));
    EXPECT_STREQ(ranks.best.surnames[0], "山田");  // 585, above 伊藤 博
    EXPECT_STREQ(ranks.best.surnames[1], "伊藤");
}

TEST_F(TwoCopiesTest, StartsAtTheSameMomentLeaveOneCopyRunning) {
    CProgram first;
    CProgram second;
    ASSERT_TRUE(first.Started() && second.Started());
    const CProgram* ended = nullptr;
    for (const DWORD start = GetTickCount(); !ended && GetTickCount() - start < test::kProcessTimeoutMs; Sleep(100))
        ended = first.Ended() ? &first : second.Ended() ? &second : nullptr;
    ASSERT_NE(ended, nullptr) << "both copies kept running";
    EXPECT_EQ(ended->ExitCode(), 0u);
    const CProgram& running = ended == &first ? second : first;
    HWND frame = running.WaitForFrame();
    ASSERT_NE(frame, nullptr) << "neither copy runs";
    running.Quit(frame);
    ASSERT_TRUE(running.WaitForEnd());
    EXPECT_EQ(running.ExitCode(), 0u);
}

}  // namespace
}  // namespace hoshikura
