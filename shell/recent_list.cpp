#include "recent_list.h"

#include <cstring>

#include "name_field.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

int FieldLength(const char (&field)[kRecentNameSize]) {
    return static_cast<int>(FieldTextLength(field, sizeof field));
}

void StoreField(char (&field)[kRecentNameSize], const char* name) {
    FillField(field, sizeof field, name, std::strlen(name));
}

// An empty name cannot be judged again from the menu.
bool Acceptable(const CRecentList& list, const BoundedName& surname, const BoundedName& givenName) {
    return surname.text[0] != '\0' && givenName.text[0] != '\0' &&
           !list.Holds(surname.text, givenName.text);
}

}  // namespace

bool CRecentList::RememberPerson(const char* surname, const char* givenName) {
    const BoundedName sei(surname);
    const BoundedName mei(givenName);
    if (!Acceptable(*this, sei, mei)) return false;
    const int32_t used = Entries() < kRecentEntries ? Entries() + 1 : kRecentEntries;
    for (int k = used - 1; k > 0; --k) {
        std::memcpy(surnames[k], surnames[k - 1], kRecentNameSize);
        std::memcpy(givenNames[k], givenNames[k - 1], kRecentNameSize);
    }
    StoreField(surnames[0], sei.text);
    StoreField(givenNames[0], mei.text);
    count = used;
    return true;
}

bool CRecentList::AppendOldest(const char* surname, const char* givenName) {
    const BoundedName sei(surname);
    const BoundedName mei(givenName);
    const int32_t used = Entries();
    if (used == kRecentEntries || !Acceptable(*this, sei, mei)) return false;
    StoreField(surnames[used], sei.text);
    StoreField(givenNames[used], mei.text);
    count = used + 1;
    return true;
}

int32_t CRecentList::CommandId(int32_t entry) const {
    if (entry < 0 || entry >= Entries()) return 0;
    return kFirstRecentCommand - 1 + Entries() - entry;
}

void CRecentList::ItemText(int32_t entry, char* out, std::size_t capacity) const {
    if (capacity == 0) return;
    out[0] = '\0';
    if (entry < 0 || entry >= Entries()) return;
    FormatText(out, capacity, "&%d %.*s %.*s", static_cast<int>(entry + 1),
               FieldLength(surnames[entry]), surnames[entry],
               FieldLength(givenNames[entry]), givenNames[entry]);
}

const char* RecentItemPerson(const char* itemText) {
    return itemText + strnlen(itemText, kRecentPrefixBytes);
}

}  // namespace hoshikura
