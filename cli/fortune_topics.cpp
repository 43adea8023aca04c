#include "fortune_topics.h"

namespace hoshikura {

const FortuneTopic kFortuneTopics[4] = {
    {kPerson, "person"}, {kEarth, "earth"}, {kOuter, "outer"}, {kTotal, "total"}};

const FortuneTopic* FindFortuneTopic(const std::string& key) {
    for (const FortuneTopic& topic : kFortuneTopics)
        if (key == topic.key) return &topic;
    return nullptr;
}

}  // namespace hoshikura
