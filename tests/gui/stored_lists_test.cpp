// The stored lists on the real registry and the program as real processes.
// A first process judges names, chooses girls' names and exits with views
// open; a second finds the lists as the ranking rules give them, then starts
// again over damaged values (too long, without their NUL, of the wrong type)
// and leaves out just the rows they spoil (CTest runs the two in order). A
// start that never loaded keeps the store; a second copy brings the running
// frame to the front and ends, so one copy loads and saves; a save that
// fails (the best list's key made read-only) leaves every list as stored
// and tells the user once, after the frame has gone.
#include <gtest/gtest.h>

#include <windows.h>

#include <sddl.h>

#include <cstring>
#include <string>
#include <vector>

#include "app_objects.h"
#include "app_state.h"
#include "dispatch.h"
#include "frame_window.h"
#include "gui_fixture.h"
#include "name_record.h"
#include "registry_store.h"
#include "sample_name.h"
#include "single_copy.h"
#include "stored_settings.h"
#include "view_list.h"
#include "wide_text.h"
#include "win32_registry_key.h"

namespace hoshikura {
namespace {

using test::CProcess;

const char kTop10[] = "Software\\Hoshikura\\Top10";
constexpr int kJudgements = 300;
const char* const kGiven[] = {"太郎", "花子", "一", "翔", "美咲", "大輔", "さくら"};

// The i-th name the first run judges: sample surnames with a few given names.
std::string JudgedName(int i, std::string* surname = nullptr, std::string* given = nullptr) {
    char text[16] = {};
    App().samples->GetSampleSei(i % App().samples->GetSampleSeiCount(), text);
    if (surname) *surname = text;
    if (given) *given = kGiven[i % 7];
    return std::string(text) + " " + kGiven[i % 7];
}

// As an earlier version wrote text on a Japanese system: CP932 turned into
// UTF-16 by the system, whatever the code page this test runs under.
void WriteString(const char* path, const char* name, const std::string& bytes) {
    const std::wstring text = Wide(bytes.data(), bytes.size());
    EXPECT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, Wide(path).c_str(), Wide(name).c_str(), REG_SZ, text.data(),
                              static_cast<DWORD>(text.size() * sizeof(wchar_t))),
              ERROR_SUCCESS);
}

// Everyone may read the best list's key and change this rule, and nothing
// more (or, with kWritable, do anything with it).
constexpr char kReadOnly[] = "D:(A;;0x60019;;;WD)";
constexpr char kWritable[] = "D:(A;;0xF003F;;;WD)";
bool RestrictBestList(const char* rule) {
    HKEY key = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const bool set = RegOpenKeyExA(HKEY_CURRENT_USER, kTop10, 0, WRITE_DAC, &key) == ERROR_SUCCESS &&
                     ConvertStringSecurityDescriptorToSecurityDescriptorA(rule, SDDL_REVISION_1, &descriptor, nullptr) &&
                     RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
    LocalFree(descriptor);
    if (key) RegCloseKey(key);
    return set;
}

struct Stored {
    CRecentList recent;
    CRankLists ranks;
    CCandidateList candidates;
    Stored() {
        CWin32RegistryHive hive;
        LoadSettings(hive, recent, ranks, candidates);
    }
    std::string Bytes() const { return std::string(reinterpret_cast<const char*>(this), sizeof *this); }
};

// The program itself, of the same build.
struct CProgram : CProcess {
    CProgram() : CProcess("\"" + test::ProgramFolder() + "\\Hoshikura.exe\"") {}
    HWND WaitForFrame() const { return WaitForWindow(kFrameClass); }
    // Quits through the menu, as the user would, and waits for a clean end.
    void QuitAndExpectCleanEnd(HWND frame) const {
        PostMessageA(frame, WM_COMMAND, MAKEWPARAM(kCmdQuit, 0), 0);
        ASSERT_TRUE(WaitForEnd());
        EXPECT_EQ(ExitCode(), 0u);
    }
};

// Judges the line in a frame of this process that exits afterwards.
void JudgeAndExit(const char* line) {
    ASSERT_NE(test::EnsureFrame(), nullptr);
    ASSERT_EQ(JudgeFullName(line), 1);
    test::DestroyFrame();
}

TEST(AcrossRunsTest, FirstRunJudgesAndExits) {
    ASSERT_NE(test::EnsureFrame(), nullptr);
    App().recent.Clear();
    App().rankLists.Clear();
    for (int i = 0; i < kJudgements; ++i) {
        ASSERT_EQ(JudgeFullName(JudgedName(i).c_str()), 1) << JudgedName(i);
        if (i < kJudgements - 2) test::CloseAllViews();
    }
    test::ChooseSex(kCmdSexGirls);
    test::DestroyFrame();  // with two views open
    EXPECT_EQ(App().viewList, nullptr);
    EXPECT_EQ(App().samples, nullptr);
}

TEST(AcrossRunsTest, SecondRunFindsTheListsAsTheyWere) {
    ASSERT_NE(test::EnsureFrame(), nullptr);
    EXPECT_EQ(test::MarkedSexItem(), kCmdSexGirls);
    test::ChooseSex(kCmdSexBoth);  // as later runs of the tests expect to start
    CRankLists expected;
    expected.Clear();
    for (int i = 0; i < kJudgements; ++i) {
        std::string surname, given;
        JudgedName(i, &surname, &given);
        CNameRecord record{};
        record.Analyse(surname.c_str(), given.c_str());
        expected.OfferName(surname.c_str(), given.c_str(), record.totalScore);
    }
    EXPECT_EQ(std::memcmp(&expected, &App().rankLists, sizeof expected), 0);
    const CRecentList recent = App().recent;
    ASSERT_EQ(recent.Entries(), 16);
    EXPECT_EQ(std::string(recent.surnames[0]) + " " + recent.givenNames[0], JudgedName(kJudgements - 1))
        << "newest first";

    // Damaged values: a damaged row is left out whole, the rows below it
    // move up; the recent entry with a long surname is left out.
    test::DestroyFrame();
    WriteString(kTop10, "1 sei", std::string(40, 'x') + '\0');
    WriteString(kTop10, "2 mei", "太郎太郎太郎");  // no room for a NUL
    WriteString("Software\\Hoshikura\\Worst10", "1 Score", std::string("300", 4));
    WriteString("Software\\Hoshikura\\Recent\\SeiMei", "2 sei", std::string(40, 'x') + '\0');
    ASSERT_NE(test::EnsureFrame(), nullptr);
    const CRankLists& loaded = App().rankLists;
    EXPECT_STREQ(loaded.best.surnames[0], expected.best.surnames[2]);
    EXPECT_EQ(loaded.best.scores[kRankRows - 3], expected.best.scores[kRankRows - 1]);
    EXPECT_EQ(loaded.best.scores[kRankRows - 2], 0);
    EXPECT_STREQ(loaded.worst.surnames[0], expected.worst.surnames[1]);
    EXPECT_EQ(App().recent.Entries(), 15);
    EXPECT_STREQ(App().recent.surnames[1], recent.surnames[2]);
    test::DestroyFrame();
}

// Each test starts and leaves the user's registry without stored lists, and
// with the key writable again.
class ProgramRunsTest : public ::testing::Test {
protected:
    void SetUp() override { test::ForgetStoredLists(); }
    void TearDown() override {
        RestrictBestList(kWritable);
        test::ForgetStoredLists();
    }
};

TEST_F(ProgramRunsTest, AStartThatNeverLoadedDoesNotOverwriteTheStore) {
    JudgeAndExit("伊藤 博");
    const std::string stored = Stored().Bytes();
    ASSERT_NE(test::EnsureFrame(), nullptr);
    test::CloseAllViews();
    App().rankLists.Clear();
    App().settingsLoaded = false;  // as when start-up stopped before the load
    DestroyAppObjects();
    EXPECT_EQ(Stored().Bytes(), stored);
    test::DestroyFrame();
}

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
    later.QuitAndExpectCleanEnd(laterFrame);
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
    running.QuitAndExpectCleanEnd(frame);
}

TEST_F(ProgramRunsTest, AFailedSaveKeepsEveryListAsStoredAndIsToldOnce) {
    JudgeAndExit("伊藤 博");
    const std::string stored = Stored().Bytes();
    ASSERT_TRUE(RestrictBestList(kReadOnly));
    JudgeAndExit("小川 誠");
    test::TakeMessages();
    ReportFailedSave();
    EXPECT_EQ(test::TakeMessages(), std::vector<std::string>{kSaveFailedText});
    ReportFailedSave();
    EXPECT_TRUE(test::TakeMessages().empty());
    EXPECT_EQ(Stored().Bytes(), stored) << "the lists were saved in part";
    // Writable again: the next save goes through without a word.
    ASSERT_TRUE(RestrictBestList(kWritable));
    JudgeAndExit("小川 誠");
    ReportFailedSave();
    EXPECT_TRUE(test::TakeMessages().empty());
    EXPECT_NE(Stored().Bytes(), stored);

    // The program itself says so after its frame has gone.
    CProgram program;
    HWND frame = program.WaitForFrame();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(RestrictBestList(kReadOnly));
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(kCmdQuit, 0), 0);
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
