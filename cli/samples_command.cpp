// hoshikura-cli samples [--key FIRST REST [--json]] [--surnames]
#include <set>
#include <string>

#include "commands.h"
#include "json_writer.h"
#include "sample_name.h"
#include "sex_filter.h"
#include "stroke_pattern_search.h"

namespace hoshikura {

namespace {

std::string KeyListing(const CSampleName& store, int first, int rest) {
    std::string out = "(" + std::to_string(first) + ", " + std::to_string(rest) + "): " +
                      std::to_string(store.GetSampleCount(first, rest)) + "\n";
    for (int k = 0; k < store.GetSampleCount(first, rest); ++k) {
        const SampleText sample = ReadSample(store, first, rest, k);
        out += sample.written + " (" + sample.reading + ")\n";
    }
    return out;
}

const char* SexWord(char sex) {
    if (sex == kSexBoy) return "boy";
    return sex == kSexGirl ? "girl" : "either";
}

// The key's entries as one JSON array of {"written", "reading", "sex"}.
std::string KeyJson(const CSampleName& store, int first, int rest) {
    std::string out;
    for (int k = 0; k < store.GetSampleCount(first, rest); ++k) {
        const SampleText sample = ReadSample(store, first, rest, k);
        out += (k ? "," : "") + JsonObject()
                                    .Text("written", sample.written)
                                    .Text("reading", sample.reading)
                                    .Text("sex", SexWord(store.GetSampleSex(first, rest, k)))
                                    .Str();
    }
    return "[" + out + "]\n";
}

std::string SurnameListing(const CSampleName& store) {
    std::string out;
    for (int i = 0; i < store.GetSampleSeiCount(); ++i) {
        char surname[kSurnameFieldSize] = "";
        store.GetSampleSei(i, surname);
        out += surname;
        out += (i % 10 == 9) ? "\n" : "　";
    }
    return out + "\n";
}

std::string Counts(const CSampleName& store) {
    int entries = 0, filled = 0;
    std::set<std::string> forms, readings;
    std::string perFirst;
    for (int first = 1; first < kFirstStrokeKeys; ++first) {
        int firstTotal = 0;
        for (int rest = 0; rest < kRestStrokeKeys; ++rest) {
            const int count = store.GetSampleCount(first, rest);
            filled += count > 0;
            firstTotal += count;
            for (int k = 0; k < count; ++k) {
                const SampleText sample = ReadSample(store, first, rest, k);
                forms.insert(sample.written);
                readings.insert(sample.reading);
            }
        }
        entries += firstTotal;
        perFirst += " " + std::to_string(first) + ":" + std::to_string(firstTotal);
    }
    return "surnames " + std::to_string(store.GetSampleSeiCount()) + "\nentries " +
           std::to_string(entries) + "\nfilled keys " + std::to_string(filled) +
           "\nwritten forms " + std::to_string(forms.size()) + "\nreadings " +
           std::to_string(readings.size()) + "\nentries per first-stroke count" + perFirst + "\n";
}

}  // namespace

SampleText ReadSample(const CSampleName& store, int firstStrokes, int restStrokes, int k) {
    char written[kMaxWrittenBytes + 1] = "";
    char reading[kMaxReadingBytes + 1] = "";
    store.GetSampleKj(firstStrokes, restStrokes, k, written);
    store.GetSampleYomi(firstStrokes, restStrokes, k, reading);
    return {written, reading};
}

int RunSamplesCommand(int argc, char** argv) {
    CliArgs args;
    if (const int refused = ReadCommandArgs(argc, argv, {"--key", "--surnames", "--json"}, {}, args)) return refused;
    const CSampleName store;
    if (args.Has("--key")) {
        int first = 0, rest = 0;
        if (args.words.size() != 2 || !ParseInt(args.words[0], first) || !ParseInt(args.words[1], rest))
            return UsageError("--key takes FIRST REST");
        WriteOut(args.Has("--json") ? KeyJson(store, first, rest) : KeyListing(store, first, rest));
        return kExitDone;
    }
    if (args.Has("--json")) return UsageError("--json goes with --key");
    if (!args.words.empty()) return UsageError("samples takes no names");
    WriteOut(args.Has("--surnames") ? SurnameListing(store) : Counts(store));
    return kExitDone;
}

}  // namespace hoshikura
