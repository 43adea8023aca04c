// The program as real processes on the real registry: a second start
// brings the running frame to the front and ends, so the lists are loaded
// and saved by one copy only; a save that fails (the best list's key made
// read-only) leaves every stored list as it was and tells the user once,
// after the frame has gone.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "app_state.h"
#include "dispatch.h"
#include "gui_fixture.h"
#include "program_process.h"
#include "registry_store.h"
#include "screenshot.h"
#include "single_copy.h"
#include "stored_settings.h"
#include "win32_registry_key.h"

namespace hoshikura {
namespace {

using test::CProgram;

const char kTop10[] = "Software\\Hoshikura\\Top10";

// Gives everyone `access` to the key, and nothing more.
bool RestrictKey(const char* path, DWORD access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, WRITE_DAC, &key) != ERROR_SUCCESS) return false;
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    alignas(DWORD) unsigned char aclBytes[256];
    auto* acl = reinterpret_cast<ACL*>(aclBytes);
    SECURITY_DESCRIPTOR descriptor;
    const bool set = AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone) &&
                     InitializeAcl(acl, sizeof aclBytes, ACL_REVISION) &&
                     AddAccessAllowedAce(acl, ACL_REVISION, access, everyone) &&
                     InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
                     SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE) &&
                     RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
    if (everyone) FreeSid(everyone);
    RegCloseKey(key);
    return set;
}

struct Stored {
    CRecentList recent;
    CRankLists ranks;
    Stored() {
        CWin32RegistryHive hive;
        LoadSettings(hive, recent, ranks);
    }
    std::string Bytes() const {
        return std::string(reinterpret_cast<const char*>(this), sizeof *this);
    }
};

// Judges the line in a frame of this process that exits afterwards.
void JudgeAndExit(const char* line) {
    ASSERT_NE(test::EnsureFrame(), nullptr);
    ASSERT_EQ(JudgeFullName(line), 1);
    test::DestroyFrame();
}

// Each test starts and leaves the user's registry without stored lists, and
// with the key writable again.
class ProgramRunsTest : public ::testing::Test {
protected:
    void SetUp() override { test::ForgetStoredLists(); }
    void TearDown() override {
        RestrictKey(kTop10, KEY_ALL_ACCESS);
        test::ForgetStoredLists();
    }
};

TEST_F(ProgramRunsTest, SecondStartRaisesTheRunningFrameAndLosesNoJudgement) {
    JudgeAndExit("伊藤 博");
    {
        CSingleCopy running;  // this process is the copy that runs
        ASSERT_TRUE(running.RunsHere());
        HWND frame = test::EnsureFrame();
        ASSERT_EQ(JudgeFullName("山田 太郎"), 1);
        ShowWindow(frame, SW_SHOWMINIMIZED);
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
    HWND laterFrame = later.WaitForFrame();
    ASSERT_NE(laterFrame, nullptr);
    later.Quit(laterFrame);
    ASSERT_TRUE(later.WaitForEnd());
    EXPECT_EQ(later.ExitCode(), 0u);
    const Stored stored;
    EXPECT_STREQ(stored.ranks.best.surnames[0], "山田");  // 585, above 伊藤 博
    EXPECT_STREQ(stored.ranks.best.surnames[1], "伊藤");
    EXPECT_EQ(stored.recent.Entries(), 2);
}

TEST_F(ProgramRunsTest, StartsAtTheSameMomentLeaveOneCopyRunning) {
    CProgram first, second;
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

TEST_F(ProgramRunsTest, AFailedSaveKeepsEveryListAsStoredAndIsToldOnce) {
    JudgeAndExit("伊藤 博");
    const std::string stored = Stored().Bytes();
    ASSERT_TRUE(RestrictKey(kTop10, KEY_READ | WRITE_DAC));
    JudgeAndExit("山田 太郎");
    test::TakeMessages();
    ReportFailedSave();
    EXPECT_EQ(test::TakeMessages(), std::vector<std::string>{kSaveFailedText});
    ReportFailedSave();
    EXPECT_TRUE(test::TakeMessages().empty());
    EXPECT_EQ(Stored().Bytes(), stored) << "the lists were saved in part";
    // Writable again: the next save goes through without a word.
    ASSERT_TRUE(RestrictKey(kTop10, KEY_ALL_ACCESS));
    JudgeAndExit("山田 太郎");
    ReportFailedSave();
    EXPECT_TRUE(test::TakeMessages().empty());
    EXPECT_NE(Stored().Bytes(), stored);

    // The program itself says so after its frame has gone.
    CProgram program;
    HWND frame = program.WaitForFrame();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(RestrictKey(kTop10, KEY_READ | WRITE_DAC));
    program.Quit(frame);
    HWND box = program.WaitForWindow("#32770");
    ASSERT_NE(box, nullptr) << "no message";
    EXPECT_EQ(test::MessageBoxText(box), kSaveFailedText);
    EXPECT_FALSE(IsWindow(frame));
    test::SaveWindowPng(box, test::ArtefactPath("save_failed_message.png"));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(program.WaitForEnd());
    EXPECT_EQ(program.ExitCode(), 0u);
}

}  // namespace
}  // namespace hoshikura
