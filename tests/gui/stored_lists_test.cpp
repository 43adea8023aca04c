// The stored lists on the real registry: a first process judges names,
// chooses girls' names and exits, a second finds them as the ranking rules
// give them, then starts again over damaged values (too long, without their
// NUL, of the wrong type) and leaves out just the rows they spoil. CTest
// runs the two as separate processes, in order. Within one process: a
// shutdown with views open saves, and a start that never loaded keeps the
// store as it was.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app_objects.h"
#include "app_state.h"
#include "dispatch.h"
#include "frame_window.h"
#include "gui_fixture.h"
#include "name_record.h"
#include "view_list.h"

namespace hoshikura {
namespace {

const char* const kPeople[][2] = {
    {"山田", "太郎"}, {"林", "一"}, {"佐々木", "希"}, {"長谷川", "さくら"}, {"星倉", "未来"},
};

void WriteString(const char* path, const char* name, const std::string& bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

std::string StoredBestSurname() {
    char text[32] = {};
    DWORD size = sizeof text - 1;
    RegGetValueA(HKEY_CURRENT_USER, "Software\\Hoshikura\\Top10", "1 sei", RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
}

TEST(AcrossRunsTest, FirstRunJudgesAndExits) {
    ASSERT_NE(test::EnsureFrame(), nullptr);
    App().recent.Clear();
    App().rankLists.Clear();
    for (const auto& person : kPeople)
        ASSERT_EQ(JudgeFullName((std::string(person[0]) + " " + person[1]).c_str()), 1) << person[0];
    test::ChooseSex(kCmdSexGirls);
    test::DestroyFrame();
}

TEST(AcrossRunsTest, SecondRunFindsTheListsAsTheyWere) {
    ASSERT_NE(test::EnsureFrame(), nullptr);
    EXPECT_EQ(test::MarkedSexItem(), kCmdSexGirls);
    test::ChooseSex(kCmdSexBoth);  // as later runs of the tests expect to start
    CRankLists expected;
    expected.Clear();
    for (const auto& person : kPeople) {
        CNameRecord record{};
        record.Analyse(person[0], person[1]);
        expected.OfferName(person[0], person[1], record.totalScore);
    }
    EXPECT_EQ(std::memcmp(&expected, &App().rankLists, sizeof expected), 0);
    const CRecentList recent = App().recent;
    ASSERT_EQ(recent.Entries(), 5);
    for (int i = 0; i < 5; ++i) {  // newest first
        EXPECT_STREQ(recent.surnames[i], kPeople[4 - i][0]);
        EXPECT_STREQ(recent.givenNames[i], kPeople[4 - i][1]);
    }

    // Damaged values: a damaged row is left out whole, the rows below it
    // move up; the recent entry with a long surname is left out.
    test::DestroyFrame();
    WriteString("Software\\Hoshikura\\Top10", "1 sei", std::string(40, 'x') + '\0');
    WriteString("Software\\Hoshikura\\Top10", "2 mei", "太郎太郎太郎");  // no room for a NUL
    WriteString("Software\\Hoshikura\\Worst10", "1 Score", std::string("300", 4));
    WriteString("Software\\Hoshikura\\Recent\\SeiMei", "2 sei", std::string(40, 'x') + '\0');
    ASSERT_NE(test::EnsureFrame(), nullptr);
    EXPECT_STREQ(App().rankLists.best.surnames[0], expected.best.surnames[2]);
    EXPECT_EQ(App().rankLists.best.scores[2], expected.best.scores[4]);
    EXPECT_EQ(App().rankLists.best.scores[3], 0);
    EXPECT_STREQ(App().rankLists.worst.surnames[0], expected.worst.surnames[1]);
    EXPECT_EQ(App().recent.Entries(), 4);
    EXPECT_STREQ(App().recent.surnames[1], recent.surnames[2]);
    test::DestroyFrame();
}

TEST(StoredListsTest, ShutdownWithViewsOpenSavesThenFrees) {
    ASSERT_NE(test::EnsureFrame(), nullptr);
    OpenView("山田", "太郎", kJudgementView);
    OpenView("林", "一", kExplanationView);
    std::strcpy(App().rankLists.best.surnames[0], "星倉");
    App().rankLists.best.scores[0] = 700;
    test::DestroyFrame();
    EXPECT_EQ(App().viewList, nullptr);
    EXPECT_EQ(App().drawContext, nullptr);
    EXPECT_EQ(App().samples, nullptr);
    EXPECT_EQ(StoredBestSurname(), "星倉");
    ASSERT_NE(test::EnsureFrame(), nullptr);
    EXPECT_STREQ(App().rankLists.best.surnames[0], "星倉");
}

TEST(StoredListsTest, AStartThatNeverLoadedDoesNotOverwriteTheStore) {
    ASSERT_NE(test::EnsureFrame(), nullptr);
    std::strcpy(App().rankLists.best.surnames[0], "保存");
    App().rankLists.best.scores[0] = 650;
    test::DestroyFrame();
    ASSERT_EQ(StoredBestSurname(), "保存");
    App().rankLists.Clear();
    App().settingsLoaded = false;  // as when start-up stopped before the load
    DestroyAppObjects();
    EXPECT_EQ(StoredBestSurname(), "保存");
}

}  // namespace
}  // namespace hoshikura
