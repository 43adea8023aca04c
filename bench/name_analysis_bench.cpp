// What one search step costs without the ranking: the analyses the surname
// search makes, and the stroke lookups inside them.
#include <benchmark/benchmark.h>

#include "name_record.h"
#include "sample_name.h"
#include "stroke_table.h"

using namespace hoshikura;

namespace {

struct SampleSurnames {
    char texts[kMaxSampleSurnames][12];
    int count;
};

const SampleSurnames& Surnames() {
    static const SampleSurnames* surnames = [] {
        const CSampleName store;
        auto* s = new SampleSurnames{};
        s->count = store.GetSampleSeiCount();
        for (int i = 0; i < s->count; ++i) store.GetSampleSei(i, s->texts[i]);
        return s;
    }();
    return *surnames;
}

}  // namespace

// The 1,751 analyses of the surname search, nothing else.
static void BM_AnalyseEverySurname(benchmark::State& state) {
    const SampleSurnames& surnames = Surnames();
    CNameRecord record;
    for (auto _ : state) {
        for (int i = 0; i < surnames.count; ++i) {
            record.Analyse(surnames.texts[i], "太郎");
            benchmark::DoNotOptimize(record.totalScore);
        }
    }
}
BENCHMARK(BM_AnalyseEverySurname)->Unit(benchmark::kMillisecond);

// The stroke lookups those analyses make: every character of every surname
// and of the given name.
static void BM_StrokeLookupsOfEverySurname(benchmark::State& state) {
    const SampleSurnames& surnames = Surnames();
    const CStrokeTable& table = TheStrokeTable();
    for (auto _ : state) {
        int sum = 0;
        for (int i = 0; i < surnames.count; ++i) {
            for (const char* p = surnames.texts[i]; p[0] != '\0' && p[1] != '\0'; p += 2) sum += table.StrokeCount(p);
            sum += table.StrokeCount("太") + table.StrokeCount("郎");
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_StrokeLookupsOfEverySurname)->Unit(benchmark::kMillisecond);

// The same analyses with the strokes already known: Evaluate alone.
static void BM_EvaluateEverySurname(benchmark::State& state) {
    const SampleSurnames& surnames = Surnames();
    static CNameRecord* records = [] {
        auto* r = new CNameRecord[kMaxSampleSurnames];
        for (int i = 0; i < Surnames().count; ++i) r[i].Analyse(Surnames().texts[i], "太郎");
        return r;
    }();
    for (auto _ : state) {
        for (int i = 0; i < surnames.count; ++i) {
            records[i].Evaluate();
            benchmark::DoNotOptimize(records[i].totalScore);
        }
    }
}
BENCHMARK(BM_EvaluateEverySurname)->Unit(benchmark::kMillisecond);
