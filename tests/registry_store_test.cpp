#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fake_registry_hive.h"
#include "registry_store.h"
#include "sex_setting.h"

using namespace hoshikura;

namespace {

const std::vector<std::string> kNumber{"Software", "Hoshikura", "Recent", "Number"};
const std::vector<std::string> kSeiMei{"Software", "Hoshikura", "Recent", "SeiMei"};
const std::vector<std::string> kTop10{"Software", "Hoshikura", "Top10"};
const std::vector<std::string> kWorst10{"Software", "Hoshikura", "Worst10"};
const std::vector<std::string> kSettings{"Software", "Hoshikura", "Settings"};

std::string Sz(const std::string& text) { return text + std::string(1, '\0'); }

std::string Dword(uint32_t v) {
    const char bytes[4] = {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                           static_cast<char>(v >> 24)};
    return std::string(bytes, 4);
}

std::string Field(const char (&field)[kStoredNameSize]) {
    return std::string(field, strnlen(field, kStoredNameSize));
}

class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Garbage first: loading has to do the emptying.
        std::memset(&recent, 0x55, sizeof recent);
        std::memset(&ranks, 0x55, sizeof ranks);
    }
    void TearDown() override {
        EXPECT_EQ(hive.OpenHandles(), 0) << "a key was left open";
        for (const std::string& misuse : hive.Misuses()) ADD_FAILURE() << misuse;
    }

    void Put(const std::vector<std::string>& path, const std::string& name, RegistryValueType type,
             const std::string& bytes) {
        hive.At(path).values[name] = {type, bytes};
    }
    const FakeValue* Stored(const std::vector<std::string>& path, const std::string& name) const {
        const FakeKey* key = hive.Find(path);
        if (!key) return nullptr;
        auto found = key->values.find(name);
        return found == key->values.end() ? nullptr : &found->second;
    }
    void Load() { LoadSettings(hive, recent, ranks); }

    // A saved state of three recent people and both rank lists partly filled.
    void SaveExample() {
        CRecentList saved;
        saved.Clear();
        saved.RememberPerson("鈴木", "一郎");
        saved.RememberPerson("田中", "花子");
        saved.RememberPerson("山田", "太郎");
        CRankLists savedRanks;
        savedRanks.Clear();
        savedRanks.OfferName("山田", "太郎", 585);
        savedRanks.OfferName("田中", "花子", 300);
        savedRanks.OfferName("鈴木", "一郎", 420);
        ASSERT_EQ(SaveSettings(hive, saved, savedRanks), 1);
    }

    FakeHive hive;
    CRecentList recent;
    CRankLists ranks;
};

bool Empty(const CRankList& list) {
    CRankList empty;
    empty.Clear();
    return std::memcmp(&list, &empty, sizeof list) == 0;
}

}  // namespace

// ---- The cursor ----------------------------------------------------------------

TEST_F(RegistryStoreTest, BackslashAsSecondByteOfAKanjiStaysInItsComponent) {
    CRegistryKey key(hive);
    ASSERT_EQ(key.Open("Software\\表\\x", CRegistryKey::kReadWrite), 1);  // "表" is 95 5C
    EXPECT_EQ(hive.OpenHandles(), 3);
    EXPECT_NE(hive.Find({"Software", "表", "x"}), nullptr);
}

// ---- Loading and saving ----------------------------------------------------------

TEST_F(RegistryStoreTest, SaveThenLoadRestoresEveryByte) {
    CRecentList saved;
    saved.Clear();
    for (const char* surname : {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "百",
                                "千", "万", "上", "中", "下", "左"})
        saved.RememberPerson(surname, "太郎");
    CRankLists savedRanks;
    savedRanks.Clear();
    for (int i = 0; i < 14; ++i) savedRanks.OfferName(saved.surnames[i], "一二三四五", 100 + 37 * i % 300);
    // Saved twice, as at the end of a session and again at exit.
    ASSERT_EQ(SaveSettings(hive, saved, savedRanks), 1);
    const std::string once = Dump(hive.root);
    ASSERT_EQ(SaveSettings(hive, saved, savedRanks), 1);
    EXPECT_EQ(Dump(hive.root), once);

    Load();
    EXPECT_EQ(std::memcmp(&recent, &saved, sizeof recent), 0);
    EXPECT_EQ(std::memcmp(&ranks, &savedRanks, sizeof ranks), 0);
}

TEST_F(RegistryStoreTest, UntrustedRecentCountReadsTheEntriesUpToTheFirstMissing) {
    CRecentList saved;
    saved.Clear();
    for (int k = 1; k <= kRecentEntries; ++k) saved.RememberPerson(("姓" + std::to_string(k)).c_str(), "名");
    const struct {
        RegistryValueType type;
        std::string bytes;  // empty for a missing value
        int32_t loaded;
    } cases[] = {
        {kRegDword, Dword(0), 0},           {kRegDword, Dword(5), 5},
        {kRegDword, Dword(16), 16},         {kRegDword, Dword(17), 16},
        {kRegDword, Dword(0x7FFFFFFF), 16}, {kRegDword, Dword(0x80000000), 16},
        {kRegDword, Dword(0xFFFFFFFF), 16}, {kRegSz, Sz("16"), 16},
        {kRegBinary, Dword(3), 16},         {kRegDword, "", 16},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(SaveSettings(hive, saved, ranks), 1);
        if (c.bytes.empty())
            hive.At(kNumber).values.erase("Value");
        else
            Put(kNumber, "Value", c.type, c.bytes);
        Load();
        SCOPED_TRACE(c.bytes);
        ASSERT_EQ(recent.count, c.loaded);
        // The newest entries, in their order.
        EXPECT_EQ(std::memcmp(recent.surnames, saved.surnames, c.loaded * sizeof recent.surnames[0]), 0);
    }
    // A stored entry that cannot be used is passed over; the first entry not
    // stored at all ends the reading.
    Put(kSeiMei, "3 sei", kRegSz, Sz("一二三四五六七"));
    hive.At(kSeiMei).values.erase("9 sei");
    hive.At(kSeiMei).values.erase("9 mei");
    Load();
    ASSERT_EQ(recent.count, 7);
    EXPECT_EQ(Field(recent.surnames[6]), Field(saved.surnames[7]));
    hive.At({"Software", "Hoshikura", "Recent"}).subkeys.erase("Number");
    Load();
    EXPECT_EQ(recent.count, 7);
}

TEST_F(RegistryStoreTest, RecentEntriesThatCannotBeJudgedOrRepeatAreLeftOut) {
    SaveExample();  // 山田 太郎, 田中 花子, 鈴木 一郎
    Put(kNumber, "Value", kRegDword, Dword(6));
    Put(kSeiMei, "2 sei", kRegSz, Sz("一二三四五六七"));  // too long
    hive.At(kSeiMei).values.erase("3 mei");
    Put(kSeiMei, "4 sei", kRegSz, Sz("山田"));  // repeats entry 1
    Put(kSeiMei, "4 mei", kRegSz, Sz("太郎"));
    Put(kSeiMei, "5 sei", kRegSz, Sz("佐藤"));
    Put(kSeiMei, "5 mei", kRegSz, Sz("次郎"));
    // Row 6 is missing altogether.
    Load();
    ASSERT_EQ(recent.count, 2);
    EXPECT_EQ(Field(recent.surnames[0]), "山田");
    EXPECT_EQ(Field(recent.surnames[1]), "佐藤");
    EXPECT_EQ(Field(recent.givenNames[1]), "次郎");
}

TEST_F(RegistryStoreTest, RankRowIsTakenWholeOrNotAtAll) {
    // Row 2 of the best list (鈴木 一郎 420) damaged in one value at a time.
    const struct {
        const char* name;
        RegistryValueType type;
        std::string bytes;  // empty: the value is missing
    } cases[] = {
        {"2 sei", kRegSz, ""},
        {"2 mei", kRegSz, ""},
        {"2 Score", kRegDword, ""},
        {"2 sei", kRegSz, Sz(std::string(40, 'x'))},
        {"2 mei", kRegSz, "abcdefghijkl"},  // 12 bytes, unterminated
        {"2 sei", kRegSz, Sz("---")},
        {"2 mei", kRegSz, Sz("")},
        {"2 Score", kRegSz, Sz("420")},
        {"2 Score", kRegBinary, Dword(420)},
        {"2 Score", kRegDword, Dword(0)},
        {"2 Score", kRegDword, Dword(0xFFFFFFFF)},
    };
    for (const auto& c : cases) {
        SaveExample();
        if (c.bytes.empty())
            hive.At(kTop10).values.erase(c.name);
        else
            Put(kTop10, c.name, c.type, c.bytes);
        Load();
        SCOPED_TRACE(std::string(c.name) + " " + c.bytes);
        // The rows below move up; the emptied row gathers with the others.
        EXPECT_EQ(Field(ranks.best.surnames[0]), "山田");
        EXPECT_EQ(Field(ranks.best.givenNames[1]), "花子");
        EXPECT_EQ(ranks.best.scores[1], 300);
        for (int row = 2; row < kRankRows; ++row) {
            EXPECT_EQ(Field(ranks.best.surnames[row]), "---") << row;
            EXPECT_EQ(Field(ranks.best.givenNames[row]), "---") << row;
            EXPECT_EQ(ranks.best.scores[row], 0) << row;
        }
    }
}

TEST_F(RegistryStoreTest, MissingKeyLeavesOnlyItsListEmpty) {
    SaveExample();
    hive.At({"Software", "Hoshikura"}).subkeys.erase("Worst10");
    Load();
    EXPECT_TRUE(Empty(ranks.worst));
    EXPECT_EQ(ranks.best.scores[0], 585);
    EXPECT_EQ(recent.count, 3);

    hive.At({"Software", "Hoshikura", "Recent"}).subkeys.erase("SeiMei");
    Load();
    EXPECT_EQ(recent.count, 0);  // a count without names
}

TEST_F(RegistryStoreTest, KeyThatCannotBeWrittenLeavesEveryStoredListAsItWas) {
    SaveExample();
    const std::string stored = Dump(hive.root);
    Load();
    ranks.OfferName("佐藤", "次郎", 900);
    recent.RememberPerson("佐藤", "次郎");
    const std::vector<std::string> paths[] = {kNumber, kSeiMei, kTop10, kWorst10,
                                              {"Software", "Hoshikura", "Recent"}};
    for (const auto& path : paths) {
        for (bool readOnly : {true, false}) {
            FakeKey& key = hive.At(path);
            (readOnly ? key.readOnly : key.failOpen) = true;
            EXPECT_EQ(SaveSettings(hive, recent, ranks), 0) << path.back();
            EXPECT_EQ(Dump(hive.root), stored) << path.back();
            key.readOnly = key.failOpen = false;
        }
    }
    // A parent that cannot be written, with a key missing below it, keeps
    // everything as well.
    hive.At({"Software", "Hoshikura"}).subkeys.erase("Worst10");
    hive.At({"Software", "Hoshikura"}).readOnly = true;
    EXPECT_EQ(SaveSettings(hive, recent, ranks), 0);
    EXPECT_EQ(Stored(kTop10, "1 sei")->bytes, Sz("山田"));
    EXPECT_EQ(Stored(kNumber, "Value")->bytes, Dword(3));
    EXPECT_EQ(hive.Find(kWorst10), nullptr);
}

TEST_F(RegistryStoreTest, FailedValueWritesAreReportedAndCostOnlyThemselves) {
    hive.At(kTop10).failWrites = true;
    recent.Clear();
    ranks.Clear();
    recent.RememberPerson("山田", "太郎");
    ranks.OfferName("山田", "太郎", 585);
    EXPECT_EQ(SaveSettings(hive, recent, ranks), 0);
    EXPECT_TRUE(hive.Find(kTop10)->values.empty());
    EXPECT_EQ(Stored(kWorst10, "1 sei")->bytes, Sz("山田"));
    EXPECT_EQ(Stored(kNumber, "Value")->bytes, Dword(1));

    // Names not written: the count is not written either.
    hive.At(kTop10).failWrites = false;
    hive.At(kSeiMei).failWrites = true;
    recent.RememberPerson("佐藤", "花子");
    EXPECT_EQ(SaveSettings(hive, recent, ranks), 0);
    EXPECT_EQ(Stored(kNumber, "Value")->bytes, Dword(1));
}

TEST_F(RegistryStoreTest, SavingBoundsDamagedListsInMemory) {
    recent.Clear();
    ranks.Clear();
    recent.RememberPerson("山田", "太郎");
    std::memcpy(recent.surnames[0], "一二三四五六", kStoredNameSize);  // no NUL
    recent.count = 40;
    std::memset(ranks.best.surnames[0], 'x', kStoredNameSize);
    SaveSettings(hive, recent, ranks);
    EXPECT_EQ(Stored(kNumber, "Value")->bytes, Dword(16));
    EXPECT_EQ(hive.Find(kSeiMei)->values.size(), 32u);
    EXPECT_EQ(Stored(kSeiMei, "1 sei")->bytes, Sz("一二三四五"));
    EXPECT_EQ(Stored(kTop10, "1 sei")->bytes, Sz("xxxxxxxxxxx"));
}

// ---- The sex choice ------------------------------------------------------------

TEST_F(RegistryStoreTest, SexChoiceRoundTripsAndReadsAnythingElseAsBoth) {
    EXPECT_EQ(LoadSexChoice(hive), 0);
    EXPECT_EQ(hive.Find(kSettings), nullptr) << "loading creates nothing";
    for (const int32_t choice : {1, 2, 0}) {
        ASSERT_EQ(SaveSexChoice(hive, choice), 1);
        EXPECT_EQ(Stored(kSettings, "Sex")->bytes, Dword(static_cast<uint32_t>(choice)));
        EXPECT_EQ(LoadSexChoice(hive), choice);
    }
    ASSERT_EQ(SaveSexChoice(hive, 7), 1);
    EXPECT_EQ(Stored(kSettings, "Sex")->bytes, Dword(0));

    const struct {
        RegistryValueType type;
        std::string bytes;
    } stored[] = {{kRegDword, Dword(3)},       {kRegDword, Dword(0xFFFFFFFF)}, {kRegSz, Sz("1")},
                  {kRegBinary, Dword(2)},      {kRegDword, std::string("\x01", 1)}};
    for (const auto& value : stored) {
        Put(kSettings, "Sex", value.type, value.bytes);
        EXPECT_EQ(LoadSexChoice(hive), 0) << value.type << " " << value.bytes.size();
    }
    Put(kSettings, "Sex", kRegDword, Dword(2));
    hive.At(kSettings).failOpen = true;
    EXPECT_EQ(SaveSexChoice(hive, 1), 0);
    EXPECT_EQ(LoadSexChoice(hive), 0);
}
