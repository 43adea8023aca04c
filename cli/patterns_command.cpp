// hoshikura-cli patterns [--worst] [--limit N] [--sex boy|girl] [--today] [--json] SURNAME
#include <string>
#include <vector>

#include "commands.h"
#include "json_writer.h"
#include "dialog_text.h"
#include "generation_filter.h"
#include "name_words.h"
#include "ranking_output.h"
#include "sample_name.h"
#include "sex_filter.h"
#include "stroke_pattern_search.h"

namespace hoshikura {

namespace {

std::string PatternText(const StrokeResult& row) {
    std::string text = std::to_string(row.strokes[0]);
    if (row.characterCount == 2) text += "-" + std::to_string(row.strokes[1]);
    return text;
}

const NameWordsRule kSurnameOnly = {1, 1, "姓を一つ入力してください（例：hoshikura-cli patterns 山田）。"};

}  // namespace

int RunPatternsCommand(int argc, char** argv) {
    CliArgs args;
    if (const int refused = ReadCommandArgs(argc, argv, {"--worst", "--json", "--today"}, {"--limit", "--sex"}, args)) return refused;
    int limit = 0;
    if (!RowLimit(args, limit)) return UsageError(kLimitHint);
    int32_t sexChoice = 0;
    if (!SexOption(args, sexChoice)) return UsageError(kSexHint);
    std::vector<std::string> words;
    if (const int refused = TakeNameWords(args, kSurnameOnly, words)) return refused;
    const int32_t todayOnly = args.Has("--today") ? 1 : 0;
    // The surname is checked as the surname dialog checks it.
    char surname[kSurnameFieldSize];
    char placeholder[kSurnameFieldSize];
    if (!SplitOrRefuse(words[0] + kPlaceholderGivenName, surname, sizeof surname, placeholder, sizeof placeholder,
                       false, kSurnameOnly.hint))
        return kExitRefused;
    NoteUnknownCharacters(UnknownCharacters({surname}));

    CStrokePatternSearch search;
    search.SetQuery(surname, args.Has("--worst") ? 0 : 1);
    search.RunSearch();
    const CSampleName store;
    const int rows = limit < search.resultCount ? limit : search.resultCount;
    std::string out = args.Has("--json") ? "[" : "";
    for (int i = 0; i < rows; ++i) {
        const StrokeResult& row = search.results[i];
        int32_t first = 0, rest = 0;
        search.SampleKey(i, first, rest);
        std::string names, json;
        const int listed = AdmittedSampleCount(store, first, rest, sexChoice, todayOnly);
        for (int shown = 0; shown < listed; ++shown) {
            const int k = AdmittedSampleIndex(store, first, rest, sexChoice, shown, todayOnly);
            const SampleText sample = ReadSample(store, first, rest, k);
            names += " " + sample.written + "(" + sample.reading + ")";
            json += (json.empty() ? "" : ",") +
                    JsonObject().Text("written", sample.written).Text("reading", sample.reading).Str();
        }
        if (args.Has("--json")) {
            out += (i ? "," : "") + JsonObject()
                                        .Int("score", row.score)
                                        .Raw("strokes", JsonIntArray(row.strokes, row.characterCount))
                                        .Raw("samples", "[" + json + "]")
                                        .Str();
        } else {
            // A pattern without sample names says 該当なし, as the window's sample list does.
            if (listed == 0) names = std::string(" ") + EmptyResultText(todayOnly);
            out += std::to_string(row.score) + "点 " + PatternText(row) + "画:" + names + "\n";
        }
    }
    WriteOut(args.Has("--json") ? out + "]\n" : out);
    return kExitDone;
}

}  // namespace hoshikura
