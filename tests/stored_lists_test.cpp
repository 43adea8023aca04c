// The best and worst lists, the recent list and the candidate list: random
// offers against a brute-force ranking, save and load over the lists they
// leave, damage in the hive that costs only the row or entry it hit, saves
// that fail whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "fake_registry_hive.h"
#include "name_split.h"
#include "registry_store.h"
#include "name_choices.h"

using namespace hoshikura;

namespace {

using Path = std::vector<std::string>;
const Path kNumber{"Software", "Hoshikura", "Recent", "Number"};
const Path kSeiMei{"Software", "Hoshikura", "Recent", "SeiMei"};
const Path kCandidateNumber{"Software", "Hoshikura", "Candidates", "Number"};
const Path kCandidateSeiMei{"Software", "Hoshikura", "Candidates", "SeiMei"};
const Path kTop10{"Software", "Hoshikura", "Top10"};
const Path kWorst10{"Software", "Hoshikura", "Worst10"};
const Path kSettings{"Software", "Hoshikura", "Settings"};

std::string Sz(const std::string& text) { return text + '\0'; }

std::string Dword(uint32_t v) {
    std::string bytes(4, '\0');
    for (int b = 0; b < 4; ++b) bytes[b] = static_cast<char>(v >> (8 * b));
    return bytes;
}

std::string Field(const char (&field)[kStoredNameSize]) { return std::string(field, strnlen(field, kStoredNameSize)); }

struct Row {
    std::string surname, given;
    int32_t score;
    bool operator==(const Row& o) const { return surname == o.surname && given == o.given && score == o.score; }
};
std::ostream& operator<<(std::ostream& out, const Row& r) {
    return out << r.surname << ' ' << r.given << ' ' << r.score;
}

std::vector<Row> Rows(const CRankList& list) {
    std::vector<Row> rows;
    for (int i = 0; i < kRankRows; ++i)
        rows.push_back({Field(list.surnames[i]), Field(list.givenNames[i]), list.scores[i]});
    return rows;
}

// Every offer the list took, ranked by score, the later first among equals;
// an offer is taken unless the name stands in the ten already.
struct RankModel {
    bool highFirst;
    std::vector<Row> taken;

    std::vector<Row> Top() const {
        std::vector<Row> top(taken.rbegin(), taken.rend());
        std::stable_sort(top.begin(), top.end(), [this](const Row& a, const Row& b) {
            return highFirst ? a.score > b.score : a.score < b.score;
        });
        top.resize(kRankRows, Row{"---", "---", 0});
        return top;
    }
    void Offer(const Row& row) {
        const std::vector<Row> top = Top();
        if (std::none_of(top.begin(), top.end(), [&](const Row& r) {
                return r.score > 0 && r.surname == row.surname && r.given == row.given;
            }))
            taken.push_back(row);
    }
};

// In the order added, a listed person refused, thirty at most.
CandidateAdded CandidateModel(std::vector<std::string>& people, const std::string& person) {
    if (std::find(people.begin(), people.end(), person) != people.end()) return CandidateAdded::kAlreadyListed;
    if (people.size() == static_cast<std::size_t>(kCandidateEntries)) return CandidateAdded::kListFull;
    people.push_back(person);
    return CandidateAdded::kAdded;
}

// Newest first, a listed person keeping its place, sixteen kept.
std::vector<std::string> RecentModel(std::vector<std::string> people, const std::string& person) {
    if (std::find(people.begin(), people.end(), person) == people.end()) people.insert(people.begin(), person);
    if (people.size() > static_cast<std::size_t>(kRecentEntries)) people.pop_back();
    return people;
}

template <typename List>
std::vector<std::string> People(const List& list) {
    std::vector<std::string> people;
    for (int k = 0; k < list.Entries(); ++k) people.push_back(Field(list.surnames[k]) + " " + Field(list.givenNames[k]));
    return people;
}

class StoredListsTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Garbage first: clearing and loading have to do the emptying.
        std::memset(&recent, 0x55, sizeof recent);
        std::memset(&ranks, 0x55, sizeof ranks);
        std::memset(&candidates, 0x55, sizeof candidates);
    }
    void TearDown() override {
        EXPECT_EQ(hive.OpenHandles(), 0) << "a key was left open";
        EXPECT_EQ(hive.misuses, 0) << "a key used or closed when it was not open";
    }

    // No bytes: the value is missing.
    void Put(const Path& path, const std::string& name, RegistryValueType type, const std::string& bytes) {
        if (bytes.empty())
            Erase(path, name);
        else
            hive.At(path).values[name] = {type, bytes};
    }
    void Erase(const Path& path, const std::string& name) { hive.At(path).values.erase(name); }
    std::string Stored(const Path& path, const std::string& name) {
        const auto found = hive.At(path).values.find(name);
        return found == hive.At(path).values.end() ? "(none)" : found->second.bytes;
    }
    void Load() { LoadSettings(hive, recent, ranks, candidates); }
    int32_t Save() { return SaveSettings(hive, recent, ranks, candidates); }

    // Three recent people, three candidates and both rank lists with three
    // rows.
    void SaveExample() {
        recent.Clear();
        ranks.Clear();
        candidates.Clear();
        for (const char* surname : {"鈴木", "田中", "山田"}) recent.RememberPerson(surname, "太郎");
        for (const char* surname : {"山田", "田中", "鈴木"}) candidates.Add(surname, "花子");
        ranks.OfferName("山田", "太郎", 585);
        ranks.OfferName("田中", "花子", 300);
        ranks.OfferName("鈴木", "一郎", 420);
        ASSERT_EQ(Save(), 1);
    }

    FakeHive hive;
    CRecentList recent;
    CRankLists ranks;
    CCandidateList candidates;
};

}  // namespace

TEST_F(StoredListsTest, RandomOffersRankAsTheBruteForceAndSurviveSaveAndLoad) {
    // Few names and scores, so repeats and ties abound; "---", the text of
    // an empty row, can be typed as a name too. The two names one byte too
    // long for a field are kept without their last character.
    const char* const surnames[] = {"山田", "林", "佐々木", "一二三四五六", "長谷川", "---"};
    const char* const givens[] = {"太郎", "---", "ab一二三四五"};
    const auto stored = [](const std::string& name) { return name.substr(0, name.size() < kStoredNameSize ? 12 : 10); };
    std::mt19937 random(25);
    for (int run = 0; run < 40; ++run) {
        ranks.Clear();
        recent.Clear();
        candidates.Clear();
        RankModel best{true, {}}, worst{false, {}};
        std::vector<std::string> people, shortlist;
        for (int order = 0; order < 60; ++order) {
            const char* surname = surnames[random() % 6];
            const char* given = givens[random() % 3];
            const Row row{stored(surname), stored(given), static_cast<int32_t>(1 + random() % 6)};
            ranks.OfferName(surname, given, row.score);
            best.Offer(row);
            worst.Offer(row);
            ASSERT_EQ(Rows(ranks.best), best.Top()) << run << " " << order;
            ASSERT_EQ(Rows(ranks.worst), worst.Top()) << run << " " << order;

            const std::vector<std::string> expected = RecentModel(people, row.surname + " " + row.given);
            EXPECT_EQ(recent.RememberPerson(surname, given), expected != people);
            people = expected;
            ASSERT_EQ(People(recent), people);

            EXPECT_EQ(candidates.Add(surname, given), CandidateModel(shortlist, row.surname + " " + row.given));
            if (random() % 4 == 0) {
                const int entry = static_cast<int>(random() % (shortlist.size() + 1));  // one past the end too
                EXPECT_EQ(candidates.Remove(entry), entry < static_cast<int>(shortlist.size()));
                if (entry < static_cast<int>(shortlist.size())) shortlist.erase(shortlist.begin() + entry);
            }
            ASSERT_EQ(People(candidates), shortlist);
        }
        // The menu: the oldest entry has the first id, and each text holds
        // the person the frame judges when it is chosen.
        for (int k = 0; k < recent.count; ++k) {
            EXPECT_EQ(recent.CommandId(k), kFirstRecentCommand + recent.count - 1 - k);
            char text[kRecentItemTextSize];
            recent.ItemText(k, text, sizeof text);
            char surname[kStoredNameSize], given[kStoredNameSize];
            ASSERT_EQ(SplitFullName(RecentItemPerson(text), surname, sizeof surname, given, sizeof given, false),
                      SplitResult::kSplit);
            EXPECT_EQ(Field(surname) + " " + Field(given), people[k]);
        }
        EXPECT_EQ(recent.CommandId(recent.count), 0);

        // Saved twice, as at the end of a session and again at exit.
        ASSERT_EQ(Save(), 1);
        const std::string once = Dump(hive.root);
        ASSERT_EQ(Save(), 1);
        EXPECT_EQ(Dump(hive.root), once);
        CRecentList recentAgain;
        CRankLists ranksAgain;
        CCandidateList candidatesAgain;
        std::memset(&recentAgain, 0x55, sizeof recentAgain);
        std::memset(&ranksAgain, 0x55, sizeof ranksAgain);
        std::memset(&candidatesAgain, 0x55, sizeof candidatesAgain);
        LoadSettings(hive, recentAgain, ranksAgain, candidatesAgain);
        ASSERT_EQ(std::memcmp(&recentAgain, &recent, sizeof recent), 0);
        ASSERT_EQ(std::memcmp(&ranksAgain, &ranks, sizeof ranks), 0);
        ASSERT_EQ(std::memcmp(&candidatesAgain, &candidates, sizeof candidates), 0);
    }
}

TEST_F(StoredListsTest, FullCandidateListAndNamesWithoutBothPartsAreRefused) {
    candidates.Clear();
    std::vector<std::string> shortlist;
    for (int k = 0; k < kCandidateEntries + 1; ++k) {
        const std::string given = "名" + std::to_string(k);
        EXPECT_EQ(candidates.Add("山田", given.c_str()), CandidateModel(shortlist, "山田 " + given)) << k;
    }
    EXPECT_EQ(shortlist.size(), static_cast<std::size_t>(kCandidateEntries));
    EXPECT_EQ(People(candidates), shortlist);
    EXPECT_EQ(candidates.Add("山田", "名0"), CandidateAdded::kAlreadyListed);  // the same, not "full"
    EXPECT_EQ(candidates.Add("山田", ""), CandidateAdded::kNoName);
    EXPECT_EQ(candidates.Add("", "太郎"), CandidateAdded::kNoName);
    // Every outcome is told in words of its own.
    EXPECT_STRNE(CandidateAddedText(CandidateAdded::kListFull), CandidateAddedText(CandidateAdded::kAlreadyListed));
    EXPECT_STRNE(CandidateAddedText(CandidateAdded::kNoName), CandidateAddedText(CandidateAdded::kAdded));
    // A full list saves and loads whole; the last entry leaves no bytes behind.
    ASSERT_EQ(Save(), 1);
    EXPECT_TRUE(candidates.Remove(kCandidateEntries - 1));
    EXPECT_EQ(candidates.surnames[kCandidateEntries - 1][0], '\0');
    const CCandidateList shorter = candidates;
    Load();
    EXPECT_EQ(People(candidates), shortlist);
    ASSERT_EQ(Save(), 1);
    candidates = shorter;
    ASSERT_EQ(Save(), 1);
    Load();
    EXPECT_EQ(std::memcmp(&candidates, &shorter, sizeof shorter), 0);
}

TEST_F(StoredListsTest, PersonTakenFromTheListItselfIsRememberedWhole) {
    recent.Clear();
    recent.RememberPerson("山田", "太郎");
    recent.RememberPerson("田中", "花子");
    recent.count = 1;  // 山田 太郎 still lies in entry 1, outside the count
    EXPECT_TRUE(recent.RememberPerson(recent.surnames[1], recent.givenNames[1]));
    EXPECT_EQ(People(recent), (std::vector<std::string>{"山田 太郎", "田中 花子"}));
    char text[5];
    recent.ItemText(0, text, sizeof text);
    EXPECT_STREQ(text, "&1 ");  // a menu text too short for "山" ends before it
}

TEST_F(StoredListsTest, DamageCostsOnlyItsEntryOrRowAndAnUntrustedCountReadsUpToTheFirstMissing) {
    // Which damage leaves well-formed lists at all is the load fuzz target's.
    const struct {
        const Path& path;
        const char* value;
        RegistryValueType type;
        std::string bytes;
        // For the recent or candidate list the path belongs to: the entries
        // read and the one lost; the other counted list stays whole.
        int count, entryLost, rowLost;  // entry and row from 1; 0 for none
    } cases[] = {
        {kNumber, "Value", kRegDword, Dword(0), 0, 0, 0}, {kNumber, "Value", kRegDword, Dword(2), 2, 0, 0},
        {kNumber, "Value", kRegDword, Dword(17), 3, 0, 0}, {kNumber, "Value", kRegDword, Dword(0x80000000), 3, 0, 0},
        {kNumber, "Value", kRegSz, Sz("2"), 3, 0, 0}, {kNumber, "Value", kRegBinary, Dword(2), 3, 0, 0},
        {kNumber, "Value", kRegDword, "", 3, 0, 0},
        // An entry that cannot be judged, lacks a name or repeats an earlier one.
        {kSeiMei, "2 sei", kRegSz, Sz("一二三四五六七"), 2, 2, 0}, {kSeiMei, "2 mei", kRegSz, "", 2, 2, 0},
        {kSeiMei, "3 sei", kRegSz, Sz("山田"), 2, 3, 0}, {kTop10, "2 sei", kRegSz, "", 3, 0, 2},
        {kTop10, "2 mei", kRegSz, "abcdefghijkl", 3, 0, 2}, {kTop10, "2 Score", kRegSz, Sz("420"), 3, 0, 2},
        {kTop10, "2 Score", kRegDword, Dword(0), 3, 0, 2}, {kTop10, "1 sei", kRegSz, Sz(std::string(40, 'x')), 3, 0, 1},
        // The candidates: a count up to 30 is trusted, and names that were
        // never stored below it are not read as empty candidates.
        {kCandidateNumber, "Value", kRegDword, Dword(30), 3, 0, 0},
        {kCandidateNumber, "Value", kRegDword, Dword(31), 3, 0, 0},
        {kCandidateNumber, "Value", kRegDword, Dword(1), 1, 0, 0},
        {kCandidateNumber, "Value", kRegQword, Dword(2) + Dword(0), 3, 0, 0},
        {kCandidateSeiMei, "1 mei", kRegSz, Sz("一二三四五六七"), 2, 1, 0},
        {kCandidateSeiMei, "3 sei", kRegSz, Sz("山田"), 2, 3, 0},
        {kCandidateSeiMei, "2 sei", kRegDword, Dword(2), 2, 2, 0},
    };
    for (const auto& c : cases) {
        SaveExample();
        const bool hitsCandidates = &c.path == &kCandidateNumber || &c.path == &kCandidateSeiMei;
        std::vector<std::string> people = People(recent);
        std::vector<std::string> shortlist = People(candidates);
        std::vector<std::string>& hit = hitsCandidates ? shortlist : people;
        std::vector<Row> rows = Rows(ranks.best);
        if (c.entryLost) hit.erase(hit.begin() + c.entryLost - 1);
        hit.resize(c.count);
        if (c.rowLost) rows.erase(rows.begin() + c.rowLost - 1);
        rows.resize(kRankRows, {"---", "---", 0});
        Put(c.path, c.value, c.type, c.bytes);
        Load();
        EXPECT_EQ(People(recent), people) << c.value << " " << c.bytes;
        EXPECT_EQ(People(candidates), shortlist) << c.value << " " << c.bytes;
        EXPECT_EQ(Rows(ranks.best), rows) << c.value << " " << c.bytes;
    }
    SaveExample();
    Erase(kNumber, "Value");
    Erase(kSeiMei, "2 sei");
    Erase(kSeiMei, "2 mei");
    Load();
    EXPECT_EQ(People(recent), std::vector<std::string>{"山田 太郎"});

    // A missing key costs only its list.
    SaveExample();
    hive.At({"Software", "Hoshikura"}).subkeys.erase("Worst10");
    Load();
    EXPECT_EQ(ranks.worst.scores[0], 0);
    EXPECT_EQ(ranks.best.scores[0], 585);
    EXPECT_EQ(recent.count, 3);
    hive.At({"Software", "Hoshikura", "Recent"}).subkeys.erase("SeiMei");
    Load();
    EXPECT_EQ(recent.count, 0);  // a count without names
    EXPECT_EQ(candidates.count, 3);
    hive.At({"Software", "Hoshikura"}).subkeys.erase("Candidates");
    Load();
    EXPECT_EQ(candidates.count, 0);
    EXPECT_EQ(ranks.best.scores[0], 585);
}

// A name stored with a control character (a TAB once typed into a field)
// reads back without it, and then repeats an entry like any other.
TEST_F(StoredListsTest, StoredNamesReadBackWithoutControlCharacters) {
    SaveExample();
    Put(kSeiMei, "2 mei", kRegSz, Sz("太\x01郎\t"));
    Put(kSeiMei, "1 sei", kRegSz, Sz("\t鈴木\x7f"));
    Put(kTop10, "1 mei", kRegSz, Sz("太郎\t"));
    Load();
    EXPECT_EQ(People(recent), (std::vector<std::string>{"鈴木 太郎", "田中 太郎"}));
    EXPECT_EQ(Rows(ranks.best)[0], (Row{"山田", "太郎", 585}));
}

TEST_F(StoredListsTest, SaveThatCannotOpenAKeyLeavesEveryStoredListAsItWas) {
    SaveExample();
    const std::string stored = Dump(hive.root);
    Load();
    ranks.OfferName("佐藤", "次郎", 900);
    recent.RememberPerson("佐藤", "次郎");
    candidates.Add("佐藤", "次郎");
    for (const Path& path : {kNumber, kSeiMei, kCandidateNumber, kCandidateSeiMei, kTop10, kWorst10,
                             Path{"Software", "Hoshikura", "Recent"}, Path{"Software", "Hoshikura", "Candidates"}}) {
        for (bool readOnly : {true, false}) {
            FakeKey& key = hive.At(path);
            (readOnly ? key.readOnly : key.failOpen) = true;
            EXPECT_EQ(Save(), 0) << path.back();
            EXPECT_EQ(Dump(hive.root), stored) << path.back();
            key.readOnly = key.failOpen = false;
        }
    }
    // A parent that cannot be written, with a key missing below it.
    hive.At({"Software", "Hoshikura"}).subkeys.erase("Worst10");
    hive.At({"Software", "Hoshikura"}).readOnly = true;
    EXPECT_EQ(Save(), 0);
    EXPECT_EQ(Stored(kTop10, "1 sei"), Sz("山田"));
    EXPECT_EQ(Stored(kNumber, "Value"), Dword(3));
    EXPECT_EQ(hive.At({"Software", "Hoshikura"}).subkeys.count("Worst10"), 0u);
}

TEST_F(StoredListsTest, FailedValueWritesAreReportedAndCostOnlyThemselves) {
    hive.At(kTop10).failWrites = true;
    recent.Clear();
    ranks.Clear();
    recent.RememberPerson("山田", "太郎");
    ranks.OfferName("山田", "太郎", 585);
    EXPECT_EQ(Save(), 0);
    EXPECT_TRUE(hive.At(kTop10).values.empty());
    EXPECT_EQ(Stored(kWorst10, "1 sei"), Sz("山田"));
    EXPECT_EQ(Stored(kNumber, "Value"), Dword(1));
    // Names not written: the count is not written either.
    hive.At(kTop10).failWrites = false;
    hive.At(kSeiMei).failWrites = true;
    recent.RememberPerson("佐藤", "花子");
    EXPECT_EQ(Save(), 0);
    EXPECT_EQ(Stored(kNumber, "Value"), Dword(1));
}

// Loading any stored bytes gives choices in range (the load fuzz target);
// here each choice comes back, and what is outside a choice, of another
// type, or cannot be read or written reads as its default.
TEST_F(StoredListsTest, NameChoicesRoundTripAndAnythingElseIsTheDefault) {
    const auto loaded = [this] {
        const NameChoices c = LoadNameChoices(hive);
        return std::make_pair(c.sex, c.todayOnly);
    };
    EXPECT_EQ(loaded(), std::make_pair(0, 0));  // never stored
    for (const auto& [sex, today] : {std::pair{1, 1}, {2, 0}, {0, 1}, {7, 2}, {2, -1}}) {
        ASSERT_TRUE(SaveNameChoices(hive, {sex, today}));
        EXPECT_EQ(loaded(), std::make_pair(sex == 7 ? 0 : sex, today == 1 ? 1 : 0)) << sex << " " << today;
    }
    Put(kSettings, "TodayOnly", kRegDword, Dword(5));
    EXPECT_EQ(loaded(), std::make_pair(2, 0));
    Put(kSettings, "TodayOnly", kRegSz, Sz("1"));
    EXPECT_EQ(loaded(), std::make_pair(2, 0));
    Put(kSettings, "Sex", kRegDword, Dword(1));
    Put(kSettings, "TodayOnly", kRegDword, Dword(1));
    EXPECT_EQ(loaded(), std::make_pair(1, 1));
    hive.At(kSettings).failOpen = true;
    EXPECT_FALSE(SaveNameChoices(hive, {2, 1}));
    EXPECT_EQ(loaded(), std::make_pair(0, 0));
}
