#include "registry_store.h"

#include <cstring>

#include "dialog_text.h"
#include "name_field.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

// A list of people stored as a count and a key of names, "k sei"/"k mei".
struct CountedNamesLayout {
    const char* numberPath;
    const char* seiMeiPath;
    int32_t capacity;
};
const CountedNamesLayout kRecentLayout = {"Software\\Hoshikura\\Recent\\Number",
                                          "Software\\Hoshikura\\Recent\\SeiMei", kRecentEntries};
const CountedNamesLayout kCandidatesLayout = {"Software\\Hoshikura\\Candidates\\Number",
                                              "Software\\Hoshikura\\Candidates\\SeiMei", kCandidateEntries};
const char kTop10Path[] = "Software\\Hoshikura\\Top10";
const char kWorst10Path[] = "Software\\Hoshikura\\Worst10";
const char kCountValue[] = "Value";

constexpr int kComponentSize = 260;
constexpr int kValueNameSize = 16;

// End of the path component starting at text: the next backslash that is a
// character of its own (0x5C is also a trail byte, as in "表"), or the NUL.
const char* ComponentEnd(const char* text) {
    while (*text != '\0' && *text != '\\') {
        if (IsLeadByte(static_cast<unsigned char>(*text)) && text[1] != '\0')
            ++text;
        ++text;
    }
    return text;
}

}  // namespace

CRegistryKey::CRegistryKey(CRegistryHive& hive) : hive_(hive), path_{}, keys_{}, depth_(0) {}

CRegistryKey::~CRegistryKey() { Close(); }

RegistryResult CRegistryKey::OpenComponent(const char* name, Access access, RegistryHandle* key) {
    RegistryHandle parent = depth_ > 0 ? keys_[depth_ - 1] : nullptr;
    return access == kReadWrite ? hive_.CreateKey(parent, name, key)
                                : hive_.OpenKey(parent, name, key);
}

int32_t CRegistryKey::Open(const char* path, Access access) {
    if (IsOpen()) Close();
    const std::size_t length = strnlen(path, kRegistryPathSize);
    if (length == 0 || length >= static_cast<std::size_t>(kRegistryPathSize)) return 0;
    std::memcpy(path_, path, length + 1);

    for (const char* component = path_;;) {
        const char* end = ComponentEnd(component);
        const std::size_t size = static_cast<std::size_t>(end - component);
        RegistryHandle key = nullptr;
        if (size == 0 || depth_ == kRegistryMaxDepth) break;
        char name[kComponentSize];
        std::memcpy(name, component, size);  // size < 256
        name[size] = '\0';
        if (OpenComponent(name, access, &key) != kRegSuccess) break;
        keys_[depth_++] = key;
        if (*end == '\0') return 1;
        component = end + 1;
    }
    // A chain that stops part-way is of no use: let go of what was opened.
    Close();
    return 0;
}

void CRegistryKey::Close() {
    while (depth_ > 0) {
        --depth_;
        hive_.CloseKey(keys_[depth_]);
        keys_[depth_] = nullptr;
    }
    path_[0] = '\0';
}

int32_t CRegistryKey::SetDword(const char* name, int32_t value) {
    if (!IsOpen()) return 0;
    // DWORD values are little-endian whatever the host.
    const uint32_t bits = static_cast<uint32_t>(value);
    const unsigned char bytes[4] = {static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
                                    static_cast<unsigned char>(bits >> 16),
                                    static_cast<unsigned char>(bits >> 24)};
    return hive_.SetValue(keys_[depth_ - 1], name, kRegDword, bytes, sizeof bytes) == kRegSuccess
               ? 4
               : 0;
}

int32_t CRegistryKey::SetString(const char* name, const char* text) {
    if (!IsOpen()) return 0;
    const uint32_t size = static_cast<uint32_t>(std::strlen(text) + 1);
    return hive_.SetValue(keys_[depth_ - 1], name, kRegSz, text, size) == kRegSuccess
               ? static_cast<int32_t>(size)
               : 0;
}

int32_t CRegistryKey::GetDword(const char* name, int32_t& value) {
    value = 0;
    if (!IsOpen()) return 0;
    unsigned char bytes[4] = {};
    uint32_t size = sizeof bytes;
    RegistryValueType type = kRegNone;
    if (hive_.QueryValue(keys_[depth_ - 1], name, &type, bytes, &size) != kRegSuccess ||
        type != kRegDword || size != sizeof bytes)
        return 0;
    value = static_cast<int32_t>(static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
                                 static_cast<uint32_t>(bytes[2]) << 16 |
                                 static_cast<uint32_t>(bytes[3]) << 24);
    return 4;
}

int32_t CRegistryKey::GetString(const char* name, char (&slot)[kStoredNameSize]) {
    if (!IsOpen()) return 0;
    // Read into a buffer of our own: a failed or over-long read may leave
    // anything in it, and the slot must then stay as it was.
    char data[kStoredNameSize];
    uint32_t size = sizeof data;
    RegistryValueType type = kRegNone;
    if (hive_.QueryValue(keys_[depth_ - 1], name, &type, data, &size) != kRegSuccess ||
        type != kRegSz || size > sizeof data)
        return 0;
    // The stored bytes need not end in a NUL: the text is what comes before
    // the first one, and it must leave room for the terminator.
    const std::size_t textLength = strnlen(data, size);
    if (textLength >= sizeof data) return 0;
    // A name never holds a control character, whatever an older version
    // stored (a TAB typed into the field, say).
    char text[kStoredNameSize];
    std::memcpy(text, data, textLength);
    text[CharBoundaryPrefix(data, textLength)] = '\0';
    const std::size_t length = RemoveControlCharacters(text);
    FillField(slot, sizeof slot, text, length);
    return static_cast<int32_t>(length + 1);
}

bool CRegistryKey::HasValue(const char* name) {
    if (!IsOpen()) return false;
    // A one-byte buffer: a longer value answers "more data", which still
    // tells that it is there.
    unsigned char probe[1];
    uint32_t size = sizeof probe;
    RegistryValueType type = kRegNone;
    const RegistryResult result = hive_.QueryValue(keys_[depth_ - 1], name, &type, probe, &size);
    return result == kRegSuccess || result == kRegMoreData;
}

namespace {

struct ValueName {
    ValueName(int row, const char* word) { FormatText(text, sizeof text, "%d %s", row, word); }
    char text[kValueNameSize];
};

// A list's name field as a terminated text, even if the field lacks its NUL.
struct FieldText {
    explicit FieldText(const char (&field)[kStoredNameSize]) {
        FillField(text, sizeof text, field, FieldTextLength(field, sizeof field));
    }
    char text[kStoredNameSize];
};

// A stored count that cannot be trusted: missing, of another type or out
// of range.
constexpr int32_t kUnknownCount = -1;

int32_t StoredCount(CRegistryKey& key, const CountedNamesLayout& layout) {
    int32_t count = 0;
    if (!key.Open(layout.numberPath, CRegistryKey::kReadOnly) || !key.GetDword(kCountValue, count) ||
        count < 0 || count > layout.capacity)
        return kUnknownCount;
    return count;
}

// True when either value of entry k is stored, usable or not.
bool EntryStored(CRegistryKey& key, int k) {
    return key.HasValue(ValueName(k, "sei").text) || key.HasValue(ValueName(k, "mei").text);
}

// Hands each stored person to take(surname, givenName), which refuses the
// entries its list cannot hold (an empty name, a repeat).
template <typename Take>
void LoadCountedNames(CRegistryKey& key, const CountedNamesLayout& layout, Take take) {
    const int32_t count = StoredCount(key, layout);
    if (count == 0 || !key.Open(layout.seiMeiPath, CRegistryKey::kReadOnly)) return;
    // Without a count to go by, the entries run up to the first one missing.
    const bool counted = count != kUnknownCount;
    for (int k = 1; k <= (counted ? count : layout.capacity); ++k) {
        if (!counted && !EntryStored(key, k)) break;
        char surname[kStoredNameSize] = {};
        char givenName[kStoredNameSize] = {};
        key.GetString(ValueName(k, "sei").text, surname);
        key.GetString(ValueName(k, "mei").text, givenName);
        take(surname, givenName);
    }
}

struct StoredRow {
    char surname[kStoredNameSize] = {};
    char givenName[kStoredNameSize] = {};
    int32_t score = 0;
};

// Row k as stored, when all three of its values can be used together.
bool ReadRankRow(CRegistryKey& key, int k, StoredRow& row) {
    return key.GetString(ValueName(k, "sei").text, row.surname) > 0 &&
           key.GetString(ValueName(k, "mei").text, row.givenName) > 0 &&
           key.GetDword(ValueName(k, "Score").text, row.score) > 0 &&
           IsFilledRow(row.surname, row.givenName, row.score);
}

// Fills the list from the top with the usable rows, in stored order; the
// rows below stay empty, so no gap is left where a damaged row was.
void LoadRankList(CRegistryKey& key, const char* path, CRankList& list) {
    if (!key.Open(path, CRegistryKey::kReadOnly)) return;
    int filled = 0;
    for (int k = 1; k <= kRankRows; ++k) {
        StoredRow row;
        if (!ReadRankRow(key, k, row)) continue;
        std::memcpy(list.surnames[filled], row.surname, kStoredNameSize);
        std::memcpy(list.givenNames[filled], row.givenName, kStoredNameSize);
        list.scores[filled] = row.score;
        ++filled;
    }
}

// The two keys of a counted list, opened for writing together.
struct CountedNamesKeys {
    explicit CountedNamesKeys(CRegistryHive& hive) : names(hive), count(hive) {}
    bool Open(const CountedNamesLayout& layout) {
        return names.Open(layout.seiMeiPath, CRegistryKey::kReadWrite) &&
               count.Open(layout.numberPath, CRegistryKey::kReadWrite);
    }
    CRegistryKey names;
    CRegistryKey count;
};

// The keys of a save, opened for writing together.
struct SaveKeys {
    explicit SaveKeys(CRegistryHive& hive) : recent(hive), candidates(hive), best(hive), worst(hive) {}
    bool Open() {
        return recent.Open(kRecentLayout) && candidates.Open(kCandidatesLayout) &&
               best.Open(kTop10Path, CRegistryKey::kReadWrite) && worst.Open(kWorst10Path, CRegistryKey::kReadWrite);
    }
    CountedNamesKeys recent;
    CountedNamesKeys candidates;
    CRegistryKey best;
    CRegistryKey worst;
};

// Names first, count after: a count is never written for names that were not.
template <typename List>
bool SaveCountedNames(CountedNamesKeys& keys, const List& list) {
    const int32_t count = list.Entries();
    bool written = true;
    for (int k = 1; k <= count; ++k) {
        written = keys.names.SetString(ValueName(k, "sei").text, FieldText(list.surnames[k - 1]).text) && written;
        written = keys.names.SetString(ValueName(k, "mei").text, FieldText(list.givenNames[k - 1]).text) && written;
    }
    return written && keys.count.SetDword(kCountValue, count) != 0;
}

bool SaveRankList(CRegistryKey& key, const CRankList& list) {
    bool written = true;
    for (int k = 1; k <= kRankRows; ++k) {
        written = key.SetString(ValueName(k, "sei").text, FieldText(list.surnames[k - 1]).text) && written;
        written = key.SetString(ValueName(k, "mei").text, FieldText(list.givenNames[k - 1]).text) && written;
        written = key.SetDword(ValueName(k, "Score").text, list.scores[k - 1]) && written;
    }
    return written;
}

}  // namespace

void LoadSettings(CRegistryHive& hive, CRecentList& recent, CRankLists& ranks, CCandidateList& candidates) {
    recent.Clear();
    ranks.Clear();
    candidates.Clear();
    CRegistryKey key(hive);
    // Entries that cannot be judged again, or repeat one, are dropped.
    LoadCountedNames(key, kRecentLayout,
                     [&recent](const char* surname, const char* givenName) { recent.AppendOldest(surname, givenName); });
    LoadCountedNames(key, kCandidatesLayout,
                     [&candidates](const char* surname, const char* givenName) { candidates.Add(surname, givenName); });
    LoadRankList(key, kTop10Path, ranks.best);
    LoadRankList(key, kWorst10Path, ranks.worst);
}

int32_t SaveSettings(CRegistryHive& hive, const CRecentList& recent, const CRankLists& ranks,
                     const CCandidateList& candidates) {
    SaveKeys keys(hive);
    if (!keys.Open()) return 0;
    // Past this point a failing value costs only itself.
    const bool recentSaved = SaveCountedNames(keys.recent, recent);
    const bool candidatesSaved = SaveCountedNames(keys.candidates, candidates);
    const bool bestSaved = SaveRankList(keys.best, ranks.best);
    const bool worstSaved = SaveRankList(keys.worst, ranks.worst);
    return recentSaved && candidatesSaved && bestSaved && worstSaved ? 1 : 0;
}

}  // namespace hoshikura
