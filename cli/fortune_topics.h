// The four kinds of fortune text as the command-line tool names them: the
// grid each explains and its key in JSON and on the command line.
#pragma once

#include <string>

#include "name_record.h"

namespace hoshikura {

struct FortuneTopic {
    GridIndex grid;
    const char* key;  // "person", "earth", "outer", "total"
};
extern const FortuneTopic kFortuneTopics[4];

// The topic named `key`, or null.
const FortuneTopic* FindFortuneTopic(const std::string& key);

}  // namespace hoshikura
