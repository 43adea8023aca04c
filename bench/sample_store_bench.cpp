// Start-up cost of the sample store, and one walk of every slot.
#include <benchmark/benchmark.h>

#include "sample_name.h"

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
