// hoshikura-cli judge [--json] [--texts] SURNAME GIVEN | "SURNAME GIVEN"
#include <cstdarg>
#include <string>
#include <vector>

#include "cli_args.h"
#include "commands.h"
#include "fortune_table.h"
#include "judge.h"
#include "json_writer.h"
#include "name_record.h"
#include "name_split.h"
#include "rating.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

const char* const kGridNames[kGridCount] = {"天格", "人格", "地格", "外格", "総格"};
const char* const kMethodNames[kMethodCount] = {"画数", "五行", "陰陽", "同画"};

// The texts explained per grid: person, earth, outer and total, with their grids.
struct FortuneTopic {
    FortuneKind kind;
    GridIndex grid;
    const char* jsonKey;
};
const FortuneTopic kFortuneTopics[kFortuneKinds] = {
    {kPersonText, kPerson, "person"}, {kEarthText, kEarth, "earth"},
    {kOuterText, kOuter, "outer"},    {kTotalText, kTotal, "total"}};

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    FormatTextV(text, sizeof text, format, args);
    va_end(args);
    return text;
}

int MethodLevel(const CNameRecord& r, int method) {
    const RatingBounds& b = kMethodRatingBounds[method];
    return RatingLevel(r.scores[method], b.lower, b.upper);
}

int TotalLevel(const CNameRecord& r) {
    return RatingLevel(r.totalScore, kTotalRatingBounds.lower, kTotalRatingBounds.upper);
}

// "人格が[9画]（大凶数）の人は", as the explanation view heads its texts.
std::string FortuneHeading(const CNameRecord& r, const FortuneTopic& topic) {
    const int32_t grid = r.grids[topic.grid];
    return Format("%sが[%d画]（%s）の人は", kGridNames[topic.grid], grid,
                  LuckWord(TheJudge().LuckClass(grid)));
}

std::string StrokeLine(const CNameRecord& r) {
    std::string line = "画数:";
    for (int i = 0; i < r.surnameLength + r.givenLength; ++i) {
        const char* text = i < r.surnameLength ? r.surname + 2 * i : r.givenName + 2 * (i - r.surnameLength);
        if (i == r.surnameLength) line += " /";
        line += " " + std::string(text, 2) + std::to_string(r.strokes[i]);
    }
    return line + "\n";
}

std::string HumanReport(const CNameRecord& r, const CFortuneTable& fortunes, bool withTexts) {
    const CJudge& judge = TheJudge();
    std::string out = Format("姓名: %s %s\n", r.surname, r.givenName) + StrokeLine(r);
    for (int g = 0; g < kGridCount; ++g)
        out += Format("%s [%d画] %s（%s）\n", kGridNames[g], r.grids[g],
                      LuckWord(judge.LuckClass(r.grids[g])), ElementWord(ElementOf(r.grids[g])));
    out += Format("五行の関係点: 人格-天格 %d  人格-地格 %d  外格-人格 %d  人格-総格 %d\n",
                  r.elementPoints[0], r.elementPoints[1], r.elementPoints[2], r.elementPoints[3]);
    for (int m = 0; m < kMethodCount; ++m)
        out += Format("%s %3d点 (%s)\n", kMethodNames[m], r.scores[m], RatingWord(MethodLevel(r, m)));
    out += Format("総合得点 %d点 %s\n", r.totalScore, RatingSentence(TotalLevel(r)));
    if (withTexts) {
        for (const FortuneTopic& topic : kFortuneTopics)
            out += "\n" + FortuneHeading(r, topic) + "\n" +
                   fortunes.FortuneText(topic.kind, r.grids[topic.grid]) + "\n";
    }
    return out;
}

std::string JsonReport(const CNameRecord& r, const CFortuneTable& fortunes) {
    const CJudge& judge = TheJudge();
    std::vector<int> luck, ratings;
    for (int32_t grid : r.grids) luck.push_back(judge.LuckClass(grid));
    for (int m = 0; m < kMethodCount; ++m) ratings.push_back(MethodLevel(r, m));
    ratings.push_back(TotalLevel(r));
    JsonObject texts;
    for (const FortuneTopic& topic : kFortuneTopics)
        texts.Text(topic.jsonKey, fortunes.FortuneText(topic.kind, r.grids[topic.grid]));
    return JsonObject()
               .Text("surname", r.surname)
               .Text("given", r.givenName)
               .Raw("strokes", JsonIntArray(r.strokes, r.surnameLength + r.givenLength))
               .Raw("grids", JsonIntArray(r.grids, kGridCount))
               .Raw("luck", JsonIntArray(luck))
               .Raw("scores", JsonIntArray(r.scores, kMethodCount))
               .Int("total", r.totalScore)
               .Raw("elementPoints", JsonIntArray(r.elementPoints, 4))
               .Raw("ratings", JsonIntArray(ratings))
               .Raw("texts", texts.Str())
               .Str() +
           "\n";
}

}  // namespace

int RunJudgeCommand(int argc, char** argv) {
    CliArgs args;
    std::string error;
    if (!ParseCliArgs(argc, argv, 2, {"--json", "--texts"}, {}, args, error)) return UsageError(error);
    if (args.words.empty() || args.words.size() > 3) return UsageError("judge takes one full name");

    // The words form one line, split exactly as the full-name dialog splits it.
    std::string line;
    for (const std::string& word : args.words) line += (line.empty() ? "" : " ") + word;
    char surname[kNameTextSize];
    char given[kNameTextSize];
    if (!SplitFullName(line.c_str(), surname, sizeof surname, given, sizeof given, 0))
        return kExitRefused;

    CNameRecord record;
    record.Analyse(surname, given);
    CFortuneTable fortunes;
    fortunes.LoadBuiltIn();
    WriteOut(args.Has("--json") ? JsonReport(record, fortunes)
                                : HumanReport(record, fortunes, args.Has("--texts")));
    return kExitDone;
}

}  // namespace hoshikura
