// The registry store's loading (the lists and the sex choice) over a hive
// filled with anything: values of any type, size and bytes under the store's
// keys and around them, keys that fail to open, and values whose query
// reports anything at all. Input: a list of records, each a kind byte and its
// fields (see ReadRecord).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "fake_registry_hive.h"
#include "fuzz_support.h"
#include "name_choices.h"
#include "registry_store.h"
#include "sjis_text.h"

using namespace hoshikura;

namespace {

const std::vector<std::string> kPaths[] = {
    {"Software", "Hoshikura", "Recent", "Number"},
    {"Software", "Hoshikura", "Recent", "SeiMei"},
    {"Software", "Hoshikura", "Top10"},
    {"Software", "Hoshikura", "Worst10"},
    {"Software", "Hoshikura", "Recent"},
    {"Software", "Hoshikura"},
    {"Software"},
    {},
    {"Software", "Hoshikura", "Settings"},
};
constexpr int kPathChoices = sizeof kPaths / sizeof kPaths[0];

const RegistryValueType kTypes[] = {kRegSz, kRegDword, kRegNone, kRegExpandSz, kRegBinary,
                                    kRegDwordBigEndian, kRegMultiSz, kRegQword};
const RegistryResult kResults[] = {kRegSuccess, kRegNotFound, kRegAccessDenied, kRegMoreData, kRegFailed};

// Names the store reads ("Value", "k sei", "k mei", "k Score" around its
// rows, "Sex"), or any text.
std::string ValueName(FuzzBytes& input) {
    const uint8_t b = input.Byte();
    if (b >= 0xF0) return input.Text();
    if (b == 0xEF) return "Sex";
    if (b % 55 == 0) return "Value";
    static const char* const kWords[] = {"sei", "mei", "Score"};
    return std::to_string((b % 55 - 1) / 3) + " " + kWords[(b % 55 - 1) % 3];
}

RegistryValueType TypeChoice(FuzzBytes& input) {
    const uint8_t b = input.Byte();
    return b < 0xF0 ? kTypes[b % 8] : static_cast<RegistryValueType>(input.Int32());
}

std::string Bytes(FuzzBytes& input) {
    std::string bytes;
    for (uint8_t n = input.Byte(); n > 0 && !input.Empty(); --n) bytes.push_back(static_cast<char>(input.Byte()));
    return bytes;
}

// A query answered as the input says, whatever the buffer: any result, type
// and reported size. Its bytes go into the buffer only as far as it reaches,
// as a real hive would do at worst.
struct Answer {
    RegistryResult result;
    RegistryValueType type;
    uint32_t size;
    std::string bytes;
};

class AnsweringHive : public FakeHive {
public:
    RegistryResult QueryValue(RegistryHandle key, const char* name, RegistryValueType* type, void* data,
                              uint32_t* size) override {
        auto found = answers.find(name);
        if (found == answers.end()) return FakeHive::QueryValue(key, name, type, data, size);
        const Answer& answer = found->second;
        std::memcpy(data, answer.bytes.data(), std::min<std::size_t>(answer.bytes.size(), *size));
        *type = answer.type;
        *size = answer.size;
        return answer.result;
    }

    std::map<std::string, Answer> answers;
};

void ReadRecord(FuzzBytes& input, AnsweringHive& hive) {
    const uint8_t kind = input.Byte();
    FakeKey& key = hive.At(kPaths[input.Byte() % kPathChoices]);
    switch (kind % 4) {
        case 0:
        case 1: {
            const std::string name = ValueName(input);
            const RegistryValueType type = TypeChoice(input);
            key.values[name] = {type, Bytes(input)};
            break;
        }
        case 2: {
            const uint8_t flags = input.Byte();
            key.failOpen = flags & 1;
            key.readOnly = flags & 2;
            key.failWrites = flags & 4;
            break;
        }
        default: {
            const std::string name = ValueName(input);
            const uint8_t b = input.Byte();
            const RegistryResult result = b < 0xF0 ? kResults[b % 5] : static_cast<RegistryResult>(input.Int32());
            const RegistryValueType type = TypeChoice(input);
            const uint32_t size = static_cast<uint32_t>(input.Int32());
            hive.answers[name] = {result, type, size, Bytes(input)};
            break;
        }
    }
}

// A name field: a text of whole characters, terminated inside the field,
// zeros after it.
bool WellFormed(const char (&field)[kStoredNameSize]) {
    const std::size_t length = strnlen(field, kStoredNameSize);
    if (length == kStoredNameSize || CharBoundaryPrefix(field, length) != length) return false;
    for (std::size_t b = length; b < kStoredNameSize; ++b)
        if (field[b] != '\0') return false;
    return true;
}

// The recent list or the candidate list, with room for `capacity` people.
template <typename List>
void CheckCountedNames(const List& list, int capacity) {
    FUZZ_CHECK(list.count >= 0 && list.count <= capacity);
    for (int k = 0; k < capacity; ++k) {
        FUZZ_CHECK(WellFormed(list.surnames[k]) && WellFormed(list.givenNames[k]));
        // In use: both names there. Not in use: nothing at all.
        const bool used = k < list.count;
        FUZZ_CHECK((list.surnames[k][0] != '\0') == used && (list.givenNames[k][0] != '\0') == used);
        for (int j = 0; j < k && used; ++j)
            FUZZ_CHECK(std::strcmp(list.surnames[j], list.surnames[k]) != 0 ||
                       std::strcmp(list.givenNames[j], list.givenNames[k]) != 0);
    }
}

// Every row is a judged name whole or an empty row, and the empty rows are
// the bottom ones.
void CheckRanks(const CRankList& list) {
    CRankList empty;
    empty.Clear();
    bool emptySeen = false;
    for (int row = 0; row < kRankRows; ++row) {
        FUZZ_CHECK(WellFormed(list.surnames[row]) && WellFormed(list.givenNames[row]));
        const bool filled = IsFilledRow(list.surnames[row], list.givenNames[row], list.scores[row]);
        const bool isEmpty = std::memcmp(list.surnames[row], empty.surnames[row], kStoredNameSize) == 0 &&
                             std::memcmp(list.givenNames[row], empty.givenNames[row], kStoredNameSize) == 0 &&
                             list.scores[row] == 0;
        FUZZ_CHECK(filled != isEmpty);
        FUZZ_CHECK(!(filled && emptySeen));
        emptySeen = emptySeen || isEmpty;
    }
}

void CheckHiveLetGo(const FakeHive& hive) {
    FUZZ_CHECK(hive.OpenHandles() == 0);
    FUZZ_CHECK(hive.misuses == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzBytes input(data, size);
    AnsweringHive hive;
    while (!input.Empty()) ReadRecord(input, hive);
    const std::string stored = Dump(hive.root);

    // Garbage first: loading must replace every byte of the lists.
    CRecentList recent;
    CRankLists ranks;
    CCandidateList candidates;
    std::memset(&recent, 0x55, sizeof recent);
    std::memset(&ranks, 0x55, sizeof ranks);
    std::memset(&candidates, 0x55, sizeof candidates);
    LoadSettings(hive, recent, ranks, candidates);
    const NameChoices choices = LoadNameChoices(hive);
    CheckHiveLetGo(hive);
    FUZZ_CHECK(Dump(hive.root) == stored);  // loading reads, never writes
    FUZZ_CHECK(choices.sex >= 0 && choices.sex <= 2 && (choices.todayOnly == 0 || choices.todayOnly == 1));
    CheckCountedNames(recent, kRecentEntries);
    CheckCountedNames(candidates, kCandidateEntries);
    CheckRanks(ranks.best);
    CheckRanks(ranks.worst);

    // What was loaded survives saving and loading again, byte for byte.
    FakeHive copy;
    FUZZ_CHECK(SaveSettings(copy, recent, ranks, candidates) == 1);
    CRecentList recentAgain;
    CRankLists ranksAgain;
    CCandidateList candidatesAgain;
    std::memset(&recentAgain, 0x55, sizeof recentAgain);
    std::memset(&ranksAgain, 0x55, sizeof ranksAgain);
    std::memset(&candidatesAgain, 0x55, sizeof candidatesAgain);
    LoadSettings(copy, recentAgain, ranksAgain, candidatesAgain);
    CheckHiveLetGo(copy);
    FUZZ_CHECK(std::memcmp(&recentAgain, &recent, sizeof recent) == 0);
    FUZZ_CHECK(std::memcmp(&ranksAgain, &ranks, sizeof ranks) == 0);
    FUZZ_CHECK(std::memcmp(&candidatesAgain, &candidates, sizeof candidates) == 0);
    FUZZ_CHECK(SaveNameChoices(copy, choices));
    const NameChoices choicesAgain = LoadNameChoices(copy);
    FUZZ_CHECK(choicesAgain.sex == choices.sex && choicesAgain.todayOnly == choices.todayOnly);
    CheckHiveLetGo(copy);
    return 0;
}
