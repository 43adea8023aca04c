// hoshikura-cli samples [--key FIRST REST [--json]] [--random N --seed S [--json]] [--surnames]
#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "commands.h"
#include "generation_filter.h"
#include "json_writer.h"
#include "sample_name.h"
#include "sex_filter.h"
#include "stroke_pattern_search.h"

namespace hoshikura {

namespace {

std::string KeyListing(const CSampleName& store, int first, int rest) {
    std::string out = "一字目" + std::to_string(first) + "画・残り" + std::to_string(rest) + "画の名前：" +
                      std::to_string(store.GetSampleCount(first, rest)) + "件\n";
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

const char* GenerationWord(char generation) { return IsNameOfToday(generation) ? "today" : "older"; }

// The same words in a listing for people.
const char* SexLabel(char sex) {
    if (sex == kSexBoy) return "男の子";
    return sex == kSexGirl ? "女の子" : "男女とも";
}

const char* GenerationLabel(char generation) { return IsNameOfToday(generation) ? "今の名前" : "昔の名前"; }

struct EntryAt {
    int first, rest, k;
};

// One entry as {"written", "reading", "sex", "generation", "common"}.
std::string EntryJson(const CSampleName& store, const EntryAt& at) {
    const SampleText sample = ReadSample(store, at.first, at.rest, at.k);
    const char generation = store.GetSampleGeneration(at.first, at.rest, at.k);
    return JsonObject()
        .Text("written", sample.written)
        .Text("reading", sample.reading)
        .Text("sex", SexWord(store.GetSampleSex(at.first, at.rest, at.k)))
        .Text("generation", GenerationWord(generation))
        .Raw("common", generation == kGenerationUsual ? "true" : "false")
        .Str();
}

// One entry as a line: written form, reading, sex, generation.
std::string EntryLine(const CSampleName& store, const EntryAt& at) {
    const SampleText sample = ReadSample(store, at.first, at.rest, at.k);
    return sample.written + " (" + sample.reading + ") " + SexLabel(store.GetSampleSex(at.first, at.rest, at.k)) +
           "・" + GenerationLabel(store.GetSampleGeneration(at.first, at.rest, at.k)) + "\n";
}

std::string JsonArray(const CSampleName& store, const std::vector<EntryAt>& entries) {
    std::string out;
    for (const EntryAt& at : entries) out += (out.empty() ? "" : ",") + EntryJson(store, at);
    return "[" + out + "]\n";
}

// The key's entries as one JSON array.
std::string KeyJson(const CSampleName& store, int first, int rest) {
    std::vector<EntryAt> entries;
    for (int k = 0; k < store.GetSampleCount(first, rest); ++k) entries.push_back({first, rest, k});
    return JsonArray(store, entries);
}

// SplitMix64: the same numbers from the same seed on every machine.
class SeededNumbers {
public:
    explicit SeededNumbers(uint64_t seed) : state_(seed) {}
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

private:
    uint64_t state_;
};

// N entries drawn without repetition: every entry in store order (keys by
// first, then rest strokes; each key's entries as stored), then the first N
// places of a Fisher-Yates shuffle, place i taking the entry at i + (next
// number mod the entries left).
std::vector<EntryAt> RandomEntries(const CSampleName& store, int wanted, uint64_t seed) {
    std::vector<EntryAt> all;
    for (int first = 0; first < kFirstStrokeKeys; ++first)
        for (int rest = 0; rest < kRestStrokeKeys; ++rest)
            for (int k = 0; k < store.GetSampleCount(first, rest); ++k) all.push_back({first, rest, k});
    SeededNumbers numbers(seed);
    const std::size_t drawn = std::min(all.size(), static_cast<std::size_t>(wanted));
    for (std::size_t i = 0; i < drawn; ++i) std::swap(all[i], all[i + numbers.Next() % (all.size() - i)]);
    all.resize(drawn);
    return all;
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
        perFirst += " " + std::to_string(first) + "画:" + std::to_string(firstTotal);
    }
    return "見本の姓：" + std::to_string(store.GetSampleSeiCount()) + "\n名前の見本：" + std::to_string(entries) +
           "件\n名前のある画数の組：" + std::to_string(filled) + "\n表記の種類：" + std::to_string(forms.size()) +
           "\n読みの種類：" + std::to_string(readings.size()) + "\n一字目の画数ごとの件数：" + perFirst + "\n";
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
    if (const int refused = ReadCommandArgs(argc, argv, {"--key", "--surnames", "--json"}, {"--random", "--seed"}, args))
        return refused;
    const CSampleName store;
    if (args.Value("--random") || args.Value("--seed")) {
        int wanted = 0, seed = 0;
        if (!args.Value("--random") || !ParseInt(*args.Value("--random"), wanted) || wanted < 1)
            return UsageError("--random には取り出す件数を1～2147483647の整数で入力してください"
                              "（例：--random 100 --seed 7）。");
        if (!args.Value("--seed") || !ParseInt(*args.Value("--seed"), seed) || seed < 0)
            return UsageError("--random には --seed と0～2147483647の整数も入力してください"
                              "（例：--random 100 --seed 7）。");
        if (args.Has("--key") || args.Has("--surnames") || !args.words.empty())
            return UsageError("--random は --key、--surnames や名前と一緒には使えません。"
                              "--random と --seed だけを入力してください。");
        const std::vector<EntryAt> entries = RandomEntries(store, wanted, static_cast<uint64_t>(seed));
        if (args.Has("--json")) {
            WriteOut(JsonArray(store, entries));
        } else {
            std::string out;
            for (const EntryAt& at : entries) out += EntryLine(store, at);
            WriteOut(out);
        }
        return kExitDone;
    }
    if (args.Has("--key")) {
        int first = 0, rest = 0;
        if (args.words.size() != 2 || !ParseInt(args.words[0], first) || !ParseInt(args.words[1], rest) ||
            first < 1 || first >= kFirstStrokeKeys || rest < 0 || rest >= kRestStrokeKeys)
            return UsageError("--key には一字目の画数（1〜" + std::to_string(kFirstStrokeKeys - 1) +
                              "）と残りの画数（0〜" + std::to_string(kRestStrokeKeys - 1) +
                              "）を二つの整数で入力してください（例：--key 3 7）。");
        WriteOut(args.Has("--json") ? KeyJson(store, first, rest) : KeyListing(store, first, rest));
        return kExitDone;
    }
    if (args.Has("--json"))
        return UsageError("--json は --key か --random と一緒に入力してください（例：--key 3 7 --json）。");
    if (!args.words.empty())
        return UsageError("samples に名前は要りません。--surnames、--key、--random のどれかを付けるか、"
                          "何も付けずに入力してください。");
    WriteOut(args.Has("--surnames") ? SurnameListing(store) : Counts(store));
    return kExitDone;
}

}  // namespace hoshikura
