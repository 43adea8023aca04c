// The registry store: the recent list, the candidate list and the best and
// worst lists kept in
// the current user's hive between runs, read at start-up and written at exit
// (and when the session ends).
//
// Layout under the hive's root:
//   Software\Hoshikura\Recent\Number  "Value" (DWORD): recent count n
//   Software\Hoshikura\Recent\SeiMei  "k sei", "k mei" (SZ), k = 1..n
//   Software\Hoshikura\Candidates\Number, Candidates\SeiMei: the same for
//                                     the candidate count and names
//   Software\Hoshikura\Top10          "k sei", "k mei" (SZ), "k Score"
//   Software\Hoshikura\Worst10        (DWORD), k = 1..10
#pragma once

#include <cstdint>

#include "candidate_list.h"
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
    // the end and every control character are dropped. Returns the bytes
    // placed, NUL included. A missing value, another type or a longer text
    // gives 0 and leaves slot as it was.
    int32_t GetString(const char* name, char (&slot)[kStoredNameSize]);
    // True when the value is stored, whatever its type, size or bytes.
    bool HasValue(const char* name);

private:
    RegistryResult OpenComponent(const char* name, Access access, RegistryHandle* key);

    CRegistryHive& hive_;
    char path_[kRegistryPathSize];
    RegistryHandle keys_[kRegistryMaxDepth];
    int32_t depth_;
};

// Empties the recent list, the candidate list and both rank lists, then
// fills them from the hive. With a stored recent count of 0..16 (candidate
// count of 0..30) that many entries are read; when the count is missing, of
// another type or out of range, entries 1..16 (1..30) are read up to the
// first one not stored at all. An entry missing either name, or repeating an
// earlier one, is left out. A rank row is taken whole
// (both names and a score above 0) or not at all; the rows taken keep their
// stored order and the empty rows gather below them. Keys are only opened
// for reading, never created.
void LoadSettings(CRegistryHive& hive, CRecentList& recent, CRankLists& ranks, CCandidateList& candidates);

// Writes the recent names and then their count, the candidate names and
// then their count, and all ten rows of each rank list, creating the keys. Every key is opened for writing before any
// value is written: when one cannot be, nothing is written and the stored
// lists stay as they were, in agreement with each other. The count is only
// written when every name was. Returns 1 when everything was written, 0 when
// any part failed. May be called more than once, for example at the end of
// the session and again at exit.
int32_t SaveSettings(CRegistryHive& hive, const CRecentList& recent, const CRankLists& ranks,
                     const CCandidateList& candidates);

// What the user is told, as a warning, when saving the lists failed.
constexpr char kSaveFailedText[] =
    "記録を保存できませんでした。\n"
    "レジストリに書き込めなかったため、起動してから判断した名前は残せませんでした。";

}  // namespace hoshikura
