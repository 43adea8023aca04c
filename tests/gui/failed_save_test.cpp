// A save that fails on the real registry: with the best list's key made
// read-only, quitting leaves every stored list as it was and the user is
// told once.
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
#include "stored_settings.h"
#include "win32_registry_key.h"

namespace hoshikura {
namespace {

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

std::string StoredBytes() {
    CRecentList recent;
    CRankLists ranks;
    CWin32RegistryHive hive;
    LoadSettings(hive, recent, ranks);
    return std::string(reinterpret_cast<const char*>(&recent), sizeof recent) +
           std::string(reinterpret_cast<const char*>(&ranks), sizeof ranks);
}

// Each test starts and leaves the user's registry without stored lists, and
// with the key writable again.
class FailedSaveTest : public ::testing::Test {
protected:
    void SetUp() override { test::ForgetStoredLists(); }
    void TearDown() override {
        RestrictKey(kTop10, KEY_ALL_ACCESS);
        test::ForgetStoredLists();
    }
};

TEST_F(FailedSaveTest, ReadOnlyKeyKeepsEveryListAsStoredAndTellsTheUserOnce) {
    ASSERT_NE(test::EnsureFrame(), nullptr);
    ASSERT_EQ(JudgeFullName("伊藤 博"), 1);
    test::DestroyFrame();
    const std::string stored = StoredBytes();
    ASSERT_TRUE(RestrictKey(kTop10, KEY_READ | WRITE_DAC));

    ASSERT_NE(test::EnsureFrame(), nullptr);
    ASSERT_EQ(JudgeFullName("山田 太郎"), 1);
    test::DestroyFrame();
    test::TakeMessages();
    ReportFailedSave();
    EXPECT_EQ(test::TakeMessages(), std::vector<std::string>{kSaveFailedText});
    ReportFailedSave();
    EXPECT_TRUE(test::TakeMessages().empty());
    EXPECT_EQ(StoredBytes(), stored) << "the lists were saved in part";

    // Writable again: the next save goes through without a word.
    ASSERT_TRUE(RestrictKey(kTop10, KEY_ALL_ACCESS));
    ASSERT_NE(test::EnsureFrame(), nullptr);
    ASSERT_EQ(JudgeFullName("山田 太郎"), 1);
    test::DestroyFrame();
    ReportFailedSave();
    EXPECT_TRUE(test::TakeMessages().empty());
    EXPECT_NE(StoredBytes(), stored);
}

TEST_F(FailedSaveTest, ProgramSaysSoOnceAfterItsFrameHasGone) {
    ASSERT_NE(test::EnsureFrame(), nullptr);  // stores the keys
    test::DestroyFrame();
    test::CProgram program;
    ASSERT_TRUE(program.Started());
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
