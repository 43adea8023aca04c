// The four kinds of fortune text as the command-line tool names them: the
// grid each explains, its key in JSON and on the command line, and the
// heading the explanation view puts over a text.
#pragma once

#include <string>

#include "fortune_table.h"
#include "name_record.h"

namespace hoshikura {

struct FortuneTopic {
    FortuneKind kind;
    GridIndex grid;
    const char* key;  // "person", "earth", "outer", "total"
};
extern const FortuneTopic kFortuneTopics[kFortuneKinds];

// The topic named `key`, or null.
const FortuneTopic* FindFortuneTopic(const std::string& key);

// "人格が[9画]（大凶数）の人は" for the number n.
std::string FortuneHeading(const FortuneTopic& topic, int n);

}  // namespace hoshikura
