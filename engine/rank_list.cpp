#include "rank_list.h"

#include <cstring>

#include "sjis_text.h"

namespace hoshikura {

namespace {

const char kEmptyName[] = "---";

bool SameName(const char (&stored)[kRankNameSize], const char* name) {
    // Stored rows come from the registry and need not be terminated.
    return std::strncmp(stored, name, kRankNameSize) == 0;
}

// True when a filled row (score not 0) holds this surname and given name.
// Empty rows keep the "---" placeholder, which must not match a typed name.
bool HoldsName(const CRankList& list, const char* surname, const char* givenName) {
    for (int row = 0; row < kRankRows; ++row) {
        if (list.scores[row] != 0 && SameName(list.surnames[row], surname) &&
            SameName(list.givenNames[row], givenName))
            return true;
    }
    return false;
}

// Moves rows row..8 down by one (the old row 9 is lost) and stores the name
// in row `row`.
void InsertAt(CRankList& list, int row, const char* surname, const char* givenName,
              int32_t score) {
    for (int r = kRankRows - 1; r > row; --r) {
        std::memcpy(list.surnames[r], list.surnames[r - 1], kRankNameSize);
        std::memcpy(list.givenNames[r], list.givenNames[r - 1], kRankNameSize);
        list.scores[r] = list.scores[r - 1];
    }
    std::memcpy(list.surnames[row], surname, kRankNameSize);
    std::memcpy(list.givenNames[row], givenName, kRankNameSize);
    list.scores[row] = score;
}

// Best list: in front of the first row whose score the offer equals or
// beats; empty rows (0) are taken because every real score is above 0.
int BestRow(const CRankList& list, int32_t score) {
    for (int row = 0; row < kRankRows; ++row)
        if (list.scores[row] <= score) return row;
    return -1;
}

// Worst list: in front of the first empty row or the first row whose score
// the offer equals or undercuts.
int WorstRow(const CRankList& list, int32_t score) {
    for (int row = 0; row < kRankRows; ++row)
        if (list.scores[row] == 0 || list.scores[row] >= score) return row;
    return -1;
}

void Offer(CRankList& list, int row, const char* surname, const char* givenName,
           int32_t score) {
    if (row < 0 || HoldsName(list, surname, givenName)) return;
    InsertAt(list, row, surname, givenName, score);
}

}  // namespace

bool IsFilledRow(const char* surname, const char* givenName, int32_t score) {
    return score > 0 && surname[0] != '\0' && givenName[0] != '\0';
}

void CRankList::Clear() {
    // Zero the name fields first so the stored bytes past each text are fixed.
    std::memset(surnames, 0, sizeof surnames);
    std::memset(givenNames, 0, sizeof givenNames);
    for (int row = 0; row < kRankRows; ++row) {
        CopyText(surnames[row], kRankNameSize, kEmptyName);
        CopyText(givenNames[row], kRankNameSize, kEmptyName);
        scores[row] = 0;
    }
}

void CRankLists::Clear() {
    best.Clear();
    worst.Clear();
}

void CRankLists::OfferName(const char* surname, const char* givenName, int32_t score) {
    // Compare and store the names as they fit the fields, so an over-long
    // name offered twice is still recognised; the copies also keep the
    // offer safe when the texts point into a list row.
    char boundedSurname[kRankNameSize] = {};
    char boundedGiven[kRankNameSize] = {};
    CopyText(boundedSurname, sizeof boundedSurname, surname);
    CopyText(boundedGiven, sizeof boundedGiven, givenName);

    Offer(best, BestRow(best, score), boundedSurname, boundedGiven, score);
    Offer(worst, WorstRow(worst, score), boundedSurname, boundedGiven, score);
}

}  // namespace hoshikura
