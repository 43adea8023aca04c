// The 974-pattern search for a two- and a five-character surname.
#include <benchmark/benchmark.h>

#include "stroke_pattern_search.h"

using namespace hoshikura;

static void BM_PatternSearch(benchmark::State& state, const char* surname, int good) {
    for (auto _ : state) {
        CStrokePatternSearch search;
        search.SetQuery(surname, good);
        search.RunSearch();
        benchmark::DoNotOptimize(search.results[0].score);
    }
}
BENCHMARK_CAPTURE(BM_PatternSearch, two_good, "山田", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PatternSearch, two_bad, "山田", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PatternSearch, five_good, "長谷川田中", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PatternSearch, five_bad, "長谷川田中", 0)->Unit(benchmark::kMillisecond);
