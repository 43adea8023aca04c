// The registry store on the real registry (under wine): every run works in a
// scratch key of its own below HKEY_CURRENT_USER\Software, removed at the end.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "registry_store.h"
#include "win32_registry_key.h"

using namespace hoshikura;

namespace {

class RegistryRoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        std::snprintf(scratch_, sizeof scratch_, "Software\\HoshikuraTest%lu",
                      static_cast<unsigned long>(GetCurrentProcessId()));
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, scratch_, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &root_, nullptr),
                  ERROR_SUCCESS);
        hive_ = new CWin32RegistryHive(root_);
        std::memset(&recent_, 0x55, sizeof recent_);
        std::memset(&ranks_, 0x55, sizeof ranks_);
    }
    void TearDown() override {
        delete hive_;
        RegCloseKey(root_);
        RegDeleteTreeA(HKEY_CURRENT_USER, scratch_);
        RegDeleteKeyA(HKEY_CURRENT_USER, scratch_);
    }

    // Writes a value straight through ADVAPI32, as another program could.
    void Write(const char* path, const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(root_, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    void WriteDword(const char* path, const char* name, DWORD value) {
        Write(path, name, REG_DWORD, &value, sizeof value);
    }
    void SaveExample() {
        CRecentList recent;
        recent.Clear();
        recent.RememberPerson("鈴木", "一郎");
        recent.RememberPerson("田中", "花子");
        recent.RememberPerson("山田", "太郎");
        CRankLists ranks;
        ranks.Clear();
        ranks.OfferName("山田", "太郎", 585);
        ranks.OfferName("田中", "花子", 300);
        ASSERT_EQ(SaveSettings(*hive_, recent, ranks), 1);
    }

    char scratch_[64] = {};
    HKEY root_ = nullptr;
    CWin32RegistryHive* hive_ = nullptr;
    CRecentList recent_;
    CRankLists ranks_;
};

const char kNumber[] = "Software\\Hoshikura\\Recent\\Number";
const char kSeiMei[] = "Software\\Hoshikura\\Recent\\SeiMei";
const char kTop10[] = "Software\\Hoshikura\\Top10";
const char kWorst10[] = "Software\\Hoshikura\\Worst10";

}  // namespace

TEST_F(RegistryRoundTrip, BadValuesLoadWithoutHarm) {
    SaveExample();  // best list: 山田 太郎 585, 田中 花子 300
    const std::string longName(40, 'x');
    Write(kTop10, "1 sei", REG_SZ, longName.c_str(), static_cast<DWORD>(longName.size() + 1));
    Write(kTop10, "1 mei", REG_SZ, "abcdefghijkl", 12);  // no room for a NUL
    Write(kWorst10, "1 Score", REG_SZ, "300", 4);
    Write(kSeiMei, "2 sei", REG_SZ, longName.c_str(), static_cast<DWORD>(longName.size() + 1));
    LoadSettings(*hive_, recent_, ranks_);
    // A damaged row is left out whole; the rows below it move up.
    EXPECT_STREQ(ranks_.best.surnames[0], "田中");
    EXPECT_EQ(ranks_.best.scores[0], 300);
    EXPECT_STREQ(ranks_.best.surnames[1], "---");
    EXPECT_STREQ(ranks_.worst.surnames[0], "山田");
    EXPECT_EQ(ranks_.worst.scores[1], 0);
    ASSERT_EQ(recent_.count, 2);  // the entry with the long surname is left out
    EXPECT_STREQ(recent_.surnames[1], "鈴木");

    // A count that cannot be used: the entries stored are read all the same,
    // up to the first one missing.
    for (int k = 4; k <= 20; ++k) {
        if (k == 12) continue;
        char name[16];
        std::snprintf(name, sizeof name, "%d sei", k);
        Write(kSeiMei, name, REG_SZ, "佐藤", 5);
        std::snprintf(name, sizeof name, "%d mei", k);
        char given[12];
        std::snprintf(given, sizeof given, "名%d", k);
        Write(kSeiMei, name, REG_SZ, given, static_cast<DWORD>(std::strlen(given) + 1));
    }
    WriteDword(kNumber, "Value", 0xFFFFFFFFu);
    LoadSettings(*hive_, recent_, ranks_);
    ASSERT_EQ(recent_.count, 10);  // rows 1..11 without row 2
    EXPECT_STREQ(recent_.givenNames[9], "名11");
    Write(kNumber, "Value", REG_SZ, "16", 3);
    LoadSettings(*hive_, recent_, ranks_);
    EXPECT_EQ(recent_.count, 10);
    WriteDword(kNumber, "Value", 3);
    LoadSettings(*hive_, recent_, ranks_);
    EXPECT_EQ(recent_.count, 2);
}
