#include "fortune_topics.h"

#include "judge.h"
#include "sjis_text.h"

namespace hoshikura {

const FortuneTopic kFortuneTopics[kFortuneKinds] = {
    {kPersonText, kPerson, "person"}, {kEarthText, kEarth, "earth"},
    {kOuterText, kOuter, "outer"},    {kTotalText, kTotal, "total"}};

const FortuneTopic* FindFortuneTopic(const std::string& key) {
    for (const FortuneTopic& topic : kFortuneTopics)
        if (key == topic.key) return &topic;
    return nullptr;
}

std::string FortuneHeading(const FortuneTopic& topic, int n) {
    char text[64];
    FormatText(text, sizeof text, "%sが[%d画]（%s）の人は", GridName(topic.grid), n,
               LuckWord(TheJudge().LuckClass(n)));
    return text;
}

}  // namespace hoshikura
