// A stand-in for the built-in sample data in the sample store's fuzz target:
// no surnames and no name keys, so each input gets an empty store at little
// cost. The real texts are seeds of the target's corpus instead.
#include "sample_name_data.h"

namespace hoshikura {

const char* const* const kSurnameGroups[kSurnameGroupCount] = {};
const SampleNameKey kSampleNameKeys[] = {{0, 0, 0, nullptr, nullptr, nullptr}};
const int kSampleNameKeyCount = 0;

}  // namespace hoshikura
