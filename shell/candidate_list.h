// The shortlist of candidate names a family compares side by side: up to
// thirty different full names of any surnames, in the order they were added.
#pragma once

#include <cstdint>
#include <type_traits>

#include "name_field.h"

namespace hoshikura {

constexpr int kCandidateEntries = 30;

enum class CandidateAdded {
    kAdded,
    kAlreadyListed,  // the same surname and given name stand in the list
    kListFull,       // thirty candidates: nothing is added
    kNoName,         // an empty surname or given name cannot be compared
};

struct CCandidateList : CPeopleSlots<kCandidateEntries> {
    // Puts a person below the others. Names are cut to 11 bytes on a
    // character boundary, as every stored list keeps them; the outcome says
    // whether the list changed and why not.
    CandidateAdded Add(const char* surname, const char* givenName);

    // Takes entry k out, moving the ones below it up; false for an entry not
    // in use.
    bool Remove(int32_t entry);
};

static_assert(std::is_standard_layout<CCandidateList>::value &&
                  std::is_trivially_copyable<CCandidateList>::value,
              "CCandidateList is plain data");

// What the user is told after an attempt to add a candidate.
const char* CandidateAddedText(CandidateAdded outcome);

}  // namespace hoshikura
