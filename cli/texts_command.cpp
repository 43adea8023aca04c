// hoshikura-cli texts [--kind person|earth|outer|total] [--json] [N]
#include <string>
#include <vector>

#include "commands.h"
#include "fortune_table.h"
#include "fortune_texts.h"
#include "fortune_topics.h"
#include "json_writer.h"
#include "grid_reading.h"
#include "judge.h"

namespace hoshikura {

namespace {

// "人格が[9画]（大凶数）の人は" over the text of n.
std::string Heading(const FortuneTopic& topic, int n) {
    char heading[kGridTextSize];
    FormatFortuneHeading(ReadGridNumber(topic.grid, n, nullptr), heading, sizeof heading);
    return heading;
}

// The texts of the chosen kinds for the chosen numbers, one heading and
// one paragraph each. Listing every number leaves out the empty texts
// (person, earth and outer of 72..81); one number shows the sentence that
// says why there is none, as the explanation does.
std::string HumanTexts(const CFortuneTable& table, const std::vector<const FortuneTopic*>& topics, int first,
                       int last) {
    std::string out;
    for (int n = first; n <= last; ++n)
        for (const FortuneTopic* topic : topics) {
            const GridReading reading = ReadGridNumber(topic->grid, n, &table);
            if (!reading.hasText && first != last) continue;
            out += (out.empty() ? "" : "\n") + Heading(*topic, n) + "\n" + reading.text + "\n";
        }
    return out;
}

// {"person": text or [texts of 1..81], ...}, one key per chosen kind.
std::string JsonTexts(const CFortuneTable& table, const std::vector<const FortuneTopic*>& topics, int number) {
    JsonObject object;
    for (const FortuneTopic* topic : topics) {
        if (number != 0) {
            object.Text(topic->key, table.FortuneText(FortuneKindOfGrid(topic->grid), number));
            continue;
        }
        std::string array;
        for (int n = 1; n <= kFortuneNumbers; ++n)
            array += (n == 1 ? "" : ",") + JsonQuote(table.FortuneText(FortuneKindOfGrid(topic->grid), n));
        object.Raw(topic->key, "[" + array + "]");
    }
    return object.Str() + "\n";
}

}  // namespace

int RunTextsCommand(int argc, char** argv) {
    CliArgs args;
    if (const int refused = ReadCommandArgs(argc, argv, {"--json"}, {"--kind"}, args)) return refused;
    std::vector<const FortuneTopic*> topics;
    if (const std::string* key = args.Value("--kind")) {
        const FortuneTopic* topic = FindFortuneTopic(*key);
        if (topic == nullptr)
            return UsageError("--kind には person（人格）、earth（地格）、outer（外格）、total（総格）のどれかを"
                              "入力してください（例：--kind total）。");
        topics.push_back(topic);
    } else {
        for (const FortuneTopic& topic : kFortuneTopics) topics.push_back(&topic);
    }
    int number = 0;
    if (args.words.size() > 1 ||
        (args.words.size() == 1 && (!ParseInt(args.words[0], number) || number < 1 || number > kFortuneNumbers)))
        return UsageError("数は1〜81から一つだけ入力してください（例：hoshikura-cli texts 9）。"
                          "数を省くとすべての数の解説を出します。");

    CFortuneTable table;
    table.LoadBuiltIn();
    if (args.Has("--json"))
        WriteOut(JsonTexts(table, topics, number));
    else
        WriteOut(number != 0 ? HumanTexts(table, topics, number, number) : HumanTexts(table, topics, 1, kFortuneNumbers));
    return kExitDone;
}

}  // namespace hoshikura
