// Start-up cost of the sample store, and one walk of every slot.
#include <benchmark/benchmark.h>

#include "sample_name.h"
#include "sex_filter.h"

using namespace hoshikura;

static void BM_SampleStoreConstruction(benchmark::State& state) {
    for (auto _ : state) {
        CSampleName store;
        benchmark::DoNotOptimize(store.GetSampleSeiCount());
    }
}
BENCHMARK(BM_SampleStoreConstruction)->Unit(benchmark::kMillisecond);

static void BM_SampleStoreWalk(benchmark::State& state) {
    const CSampleName store;
    for (auto _ : state) {
        int bytes = 0;
        for (int f = 0; f < kFirstStrokeKeys; ++f)
            for (int r = 0; r < kRestStrokeKeys; ++r)
                for (int k = 0; k < store.GetSampleCount(f, r); ++k) {
                    char written[kMaxWrittenBytes + 1];
                    char reading[kMaxReadingBytes + 1];
                    store.GetSampleKj(f, r, k, written);
                    store.GetSampleYomi(f, r, k, reading);
                    bytes += written[0] + reading[0];
                }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_SampleStoreWalk)->Unit(benchmark::kMillisecond);

// What the stroke-pattern view does per chosen pattern, for every key at
// once: count the names the choices list and find the entry of the last row.
static void BM_SampleListsUnderChoice(benchmark::State& state) {
    const CSampleName store;
    const int32_t choice = static_cast<int32_t>(state.range(0));
    const int32_t todayOnly = static_cast<int32_t>(state.range(1));
    for (auto _ : state) {
        int32_t found = 0;
        for (int f = 0; f < kFirstStrokeKeys; ++f)
            for (int r = 0; r < kRestStrokeKeys; ++r) {
                const int32_t listed = AdmittedSampleCount(store, f, r, choice, todayOnly);
                found += AdmittedSampleIndex(store, f, r, choice, listed - 1, todayOnly);
            }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_SampleListsUnderChoice)
    ->Args({kBothSexes, 0})
    ->Args({kBoysOnly, 0})
    ->Args({kGirlsOnly, 0})
    ->Args({kBothSexes, 1})
    ->Args({kGirlsOnly, 1})
    ->Unit(benchmark::kMillisecond);
