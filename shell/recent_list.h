// The last sixteen different people judged, newest first, and the texts and
// command ids of their entries in the recent-people submenu.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "name_field.h"

namespace hoshikura {

constexpr int kRecentEntries = 16;
constexpr int kRecentNameSize = kNameFieldSize;
// The oldest entry always has the first id, the newest the highest in use.
constexpr int kFirstRecentCommand = 40204;
constexpr int kLastRecentCommand = kFirstRecentCommand + kRecentEntries - 1;
constexpr int kRecentItemTextSize = 100;
// Bytes the frame skips in an entry's text before the person: "&" and the
// entry number and a blank ("&1 "); entries 10..16 leave a blank in front.
constexpr int kRecentPrefixBytes = 3;

struct CRecentList : CPeopleSlots<kRecentEntries> {
    // Puts a person in entry 0 and moves the others down; with sixteen
    // entries the oldest is lost. A person already listed (surname and
    // given name both equal) keeps its place and nothing changes. Names are
    // cut to 11 bytes on a character boundary; a person with an empty name
    // is not taken. Returns true when the list changed, which is when the
    // menu must be rebuilt.
    bool RememberPerson(const char* surname, const char* givenName);

    // Adds a person below the others, as the registry store reads them
    // (newest first). Refused like RememberPerson, and when the list is full.
    bool AppendOldest(const char* surname, const char* givenName);

    // Command id of entry k: 40203 + count - k, so the oldest has 40204.
    // 0 for an entry not in use.
    int32_t CommandId(int32_t entry) const;

    // Menu text of entry k, "&%d %s %s" from k + 1, surname and given name,
    // into out (capacity bytes, at least kRecentItemTextSize for any entry).
    // Empty for an entry not in use.
    void ItemText(int32_t entry, char* out, std::size_t capacity) const;
};

static_assert(std::is_standard_layout<CRecentList>::value &&
                  std::is_trivially_copyable<CRecentList>::value,
              "CRecentList is plain data");

// The person text of a menu entry as the frame hands it to the judgement:
// the text after its first three bytes, or the empty end of a shorter text.
const char* RecentItemPerson(const char* itemText);

}  // namespace hoshikura
