#include "candidate_list.h"

#include <cstring>

namespace hoshikura {

CandidateAdded CCandidateList::Add(const char* surname, const char* givenName) {
    const BoundedName sei(surname);
    const BoundedName mei(givenName);
    const int32_t used = Entries();
    if (sei.text[0] == '\0' || mei.text[0] == '\0') return CandidateAdded::kNoName;
    if (Holds(sei.text, mei.text)) return CandidateAdded::kAlreadyListed;
    if (used == kCandidateEntries) return CandidateAdded::kListFull;
    FillField(surnames[used], kNameFieldSize, sei.text, std::strlen(sei.text));
    FillField(givenNames[used], kNameFieldSize, mei.text, std::strlen(mei.text));
    count = used + 1;
    return CandidateAdded::kAdded;
}

bool CCandidateList::Remove(int32_t entry) {
    const int32_t used = Entries();
    if (entry < 0 || entry >= used) return false;
    const std::size_t below = static_cast<std::size_t>(used - entry - 1);
    std::memmove(surnames[entry], surnames[entry + 1], below * kNameFieldSize);
    std::memmove(givenNames[entry], givenNames[entry + 1], below * kNameFieldSize);
    std::memset(surnames[used - 1], 0, kNameFieldSize);
    std::memset(givenNames[used - 1], 0, kNameFieldSize);
    count = used - 1;
    return true;
}

const char* CandidateAddedText(CandidateAdded outcome) {
    switch (outcome) {
        case CandidateAdded::kAdded:
            return "候補に追加しました。";
        case CandidateAdded::kAlreadyListed:
            return "この名前はもう候補にあります。";
        case CandidateAdded::kListFull:
            return "候補は30件までです。候補を比べる画面で要らない候補を削除してから追加してください。";
        case CandidateAdded::kNoName:
            break;
    }
    return "姓と名のある名前だけを候補に追加できます。";
}

}  // namespace hoshikura
