// hoshikura-cli judge [--json] [--texts] SURNAME GIVEN | "SURNAME GIVEN"
#include <cstdarg>
#include <string>
#include <vector>

#include "commands.h"
#include "fortune_table.h"
#include "fortune_topics.h"
#include "grid_reading.h"
#include "judge.h"
#include "json_writer.h"
#include "name_record.h"
#include "name_words.h"
#include "rating.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

// The four relations of the five-element score, each named with the person
// grid first, in the order of elementPoints.
const GridIndex kRelatedGrids[4] = {kHeaven, kEarth, kOuter, kTotal};

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    FormatTextV(text, sizeof text, format, args);
    va_end(args);
    return text;
}

// What the five grids stand for, in one line above them.
constexpr char kGridLegend[] =
    "格の意味：天格＝姓の数（家から受け継ぐ）、人格＝その人の中心となる運、地格＝若い時期、"
    "外格＝周りの人との関係、総格＝人生全体\n";

// "一字ごとの画数：山3 田5 ／ 太4 郎9", named apart from the stroke score 画数.
std::string StrokeLine(const CNameRecord& r) {
    std::string line = "一字ごとの画数：";
    for (int i = 0; i < r.surnameLength + r.givenLength; ++i) {
        const char* text = i < r.surnameLength ? r.surname + 2 * i : r.givenName + 2 * (i - r.surnameLength);
        if (i == r.surnameLength) line += " ／";
        line += (i ? " " : "") + std::string(text, 2) + std::to_string(r.strokes[i]);
    }
    return line + "\n";
}

std::string ElementLine(const CNameRecord& r) {
    std::string line = "五行の関係点（各25点満点、高いほど相性が良い。四つの和が五行の点）：";
    for (int i = 0; i < 4; ++i)
        line += Format("%s人格と%s %d点", i ? "、" : "", GridName(kRelatedGrids[i]), r.elementPoints[i]);
    return line + "\n";
}

std::string HumanReport(const CNameRecord& r, const CFortuneTable& fortunes, bool withTexts) {
    std::string out = Format("姓名：%s %s\n", r.surname, r.givenName) + StrokeLine(r) + kGridLegend;
    for (int g = 0; g < kGridCount; ++g) {
        const GridReading reading = ReadGrid(r, g, nullptr);
        char number[kGridTextSize];
        FormatGridNumber(reading, number, sizeof number);
        // "吉数・五行：金"; a grid without a luck class shows its mark apart.
        out += Format("%s %s %s%s五行：%s\n", GridName(g), number, LuckWordOf(reading), reading.hasLuck ? "・" : " ",
                      ElementWord(reading.element));
    }
    out += ElementLine(r);
    for (int m = 0; m < kMethodCount; ++m)
        out += Format("%s %3d点／%d点（%s）\n", MethodName(m), r.scores[m], kMethodMaxima[m],
                      RatingWord(MethodRatingLevel(m, r.scores[m])));
    const int level = TotalRatingLevel(r.totalScore);
    out += Format("総合得点 %d点／%d点（%s）%s\n", r.totalScore, kTotalMaximum, RatingWord(level),
                  RatingSentence(level));
    if (withTexts) {
        for (const FortuneTopic& topic : kFortuneTopics) {
            const GridReading reading = ReadGrid(r, topic.grid, &fortunes);
            char heading[kGridTextSize];
            FormatFortuneHeading(reading, heading, sizeof heading);
            out += "\n" + std::string(heading) + "\n" + reading.text + "\n";
        }
    }
    return out;
}

std::string JsonTextArray(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& text : texts) out += (out.empty() ? "" : ",") + JsonQuote(text);
    return "[" + out + "]";
}

}  // namespace

std::string JudgedNameJson(const CNameRecord& r, const CFortuneTable& fortunes,
                           const std::vector<std::string>& unknown) {
    std::vector<int> counted, ratings;
    std::string luck;
    for (int g = 0; g < kGridCount; ++g) {
        const GridReading reading = ReadGrid(r, g, nullptr);
        counted.push_back(reading.counted);
        // A grid of 0 has no luck class.
        luck += (g ? "," : "") + (reading.hasLuck ? std::to_string(reading.luck) : std::string("null"));
    }
    for (int m = 0; m < kMethodCount; ++m) ratings.push_back(MethodRatingLevel(m, r.scores[m]));
    ratings.push_back(TotalRatingLevel(r.totalScore));
    JsonObject texts;
    for (const FortuneTopic& topic : kFortuneTopics) {
        const GridReading reading = ReadGrid(r, topic.grid, &fortunes);
        if (reading.hasText)
            texts.Text(topic.key, reading.text);
        else
            texts.Raw(topic.key, "null");
    }
    return JsonObject()
               .Text("surname", r.surname)
               .Text("given", r.givenName)
               .Raw("strokes", JsonIntArray(r.strokes, r.surnameLength + r.givenLength))
               .Raw("unknownCharacters", JsonTextArray(unknown))
               .Raw("grids", JsonIntArray(r.grids, kGridCount))
               .Raw("counted", JsonIntArray(counted))
               .Raw("luck", "[" + luck + "]")
               .Raw("scores", JsonIntArray(r.scores, kMethodCount))
               .Int("total", r.totalScore)
               .Raw("elementPoints", JsonIntArray(r.elementPoints, 4))
               .Raw("ratings", JsonIntArray(ratings))
               .Raw("texts", texts.Str())
               .Str();
}

namespace {

const NameWordsRule kFullName = {2, 2, "姓と名を空白で区切って入力してください（例：hoshikura-cli judge 山田 太郎）。"};

}  // namespace

int RunJudgeCommand(int argc, char** argv) {
    CliArgs args;
    if (const int refused = ReadCommandArgs(argc, argv, {"--json", "--texts"}, {}, args)) return refused;
    std::vector<std::string> words;
    if (const int refused = TakeNameWords(args, kFullName, words)) return refused;

    // The two words are checked as the full-name dialog checks a line.
    char surname[kNameTextSize];
    char given[kNameTextSize];
    if (!SplitOrRefuse(words[0] + " " + words[1], surname, sizeof surname, given, sizeof given, false, kFullName.hint))
        return kExitRefused;

    CNameRecord record;
    record.Analyse(surname, given);
    const std::vector<std::string> unknown = UnknownCharacters({record.surname, record.givenName});
    NoteUnknownCharacters(unknown);
    CFortuneTable fortunes;
    fortunes.LoadBuiltIn();
    WriteOut(args.Has("--json") ? JudgedNameJson(record, fortunes, unknown) + "\n"
                                : HumanReport(record, fortunes, args.Has("--texts")));
    return kExitDone;
}

}  // namespace hoshikura
