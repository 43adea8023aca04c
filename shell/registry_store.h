// The registry store: the recent list and the best and worst lists kept in
// the current user's hive between runs, read at start-up and written at exit
// (and when the session ends).
//
// Layout under the hive's root:
//   Software\Hoshikura\Recent\Number  "Value" (DWORD): recent count n
//   Software\Hoshikura\Recent\SeiMei  "k sei", "k mei" (SZ), k = 1..n
//   Software\Hoshikura\Top10          "k sei", "k mei" (SZ), "k Score"
//   Software\Hoshikura\Worst10        (DWORD), k = 1..10
#pragma once

#include <cstdint>

#include "rank_list.h"
#include "recent_list.h"
#include "registry_hive.h"

namespace hoshikura {

constexpr int kRegistryPathSize = 256;      // a path is shorter than this
constexpr int kRegistryMaxDepth = 32;       // components of one path
constexpr int kStoredNameSize = 12;         // a name slot, NUL included
static_assert(kStoredNameSize == kRankNameSize && kStoredNameSize == kRecentNameSize,
              "both lists use the same name slots");

// A cursor on one key: holds the chain of keys from the hive's root down to
// the key a path names, and reads and writes values in the deepest one. A
// closed cursor makes every value operation return 0 without touching the
// hive.
class CRegistryKey {
public:
    enum Access {
        kReadOnly,   // opens existing keys only
        kReadWrite,  // creates missing keys
    };

    explicit CRegistryKey(CRegistryHive& hive);
    ~CRegistryKey();
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    // Closes the cursor if it is open, then opens every component of the
    // backslash-separated path in turn. Returns 1 on success. A path of 256
    // bytes or more, with an empty component or more than 32 components, or
    // a key that cannot be opened gives 0; the keys opened before are closed
    // again and the cursor stays closed.
    int32_t Open(const char* path, Access access);
    // Closes the chain from the deepest key up.
    void Close();
    bool IsOpen() const { return depth_ > 0; }

    // Writes a REG_DWORD of 4 bytes; returns 4, or 0 on failure.
    int32_t SetDword(const char* name, int32_t value);
    // Writes a REG_SZ with its NUL; returns the length + 1, or 0 on failure.
    int32_t SetString(const char* name, const char* text);

    // Sets value to 0, then reads it. Only a REG_DWORD of exactly 4 bytes is
    // taken; returns 4, or 0 when the value is missing or of another type
    // or size (value stays 0).
    int32_t GetDword(const char* name, int32_t& value);
    // Reads a REG_SZ whose text (up to its first NUL, if any) has at most 11
    // bytes into slot, terminated, rest zeroed; a lead byte left dangling at
    // the end is dropped. Returns the bytes placed, NUL included. A missing
    // value, another type or a longer text gives 0 and leaves slot as it was.
    int32_t GetString(const char* name, char (&slot)[kStoredNameSize]);

private:
    RegistryResult OpenComponent(const char* name, Access access, RegistryHandle* key);

    CRegistryHive& hive_;
    char path_[kRegistryPathSize];
    RegistryHandle keys_[kRegistryMaxDepth];
    int32_t depth_;
};

// Empties the recent list and both rank lists, then fills them from the
// hive. The recent count is clamped to 0..16; a recent entry missing either
// name, or repeating an earlier one, is left out. A rank row keeps "---" for
// a missing name and gets score 0 for a missing score; rows stay in their
// stored order. Keys are only opened for reading, never created.
void LoadSettings(CRegistryHive& hive, CRecentList& recent, CRankLists& ranks);

// Writes the recent names and then their count, and all ten rows of each
// rank list, creating the keys. A key that cannot be opened is skipped
// (with the recent names, the count too, so it never runs ahead of the
// names); the others are still written. Failures of single values are
// ignored. Returns 1 when every key could be opened. May be called more than
// once, for example at the end of the session and again at exit.
int32_t SaveSettings(CRegistryHive& hive, const CRecentList& recent, const CRankLists& ranks);

}  // namespace hoshikura
