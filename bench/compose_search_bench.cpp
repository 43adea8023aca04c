// Composing, scoring and ranking every spelling of a reading, and marking
// the ones the sample store holds.
#include <benchmark/benchmark.h>

#include "compose_search.h"

using namespace hoshikura;

namespace {

const CSampleName& Store() {
    static const CSampleName* store = new CSampleName;
    return *store;
}

}  // namespace

static void BM_Compose(benchmark::State& state, const char* surname, const char* reading,
                       int32_t sex) {
    const CSampleName& store = Store();
    int64_t judged = 0;
    for (auto _ : state) {
        CComposeSearch search;
        search.SetQuery(surname, reading, sex);
        search.RunSearch(store);
        judged = search.spellingsJudged;
        benchmark::DoNotOptimize(search.results[0].score);
    }
    state.counters["spellings"] = static_cast<double>(judged);
}
// Long common readings: six kana with a three-kana piece; three short
// pieces with many characters each; the commonest boys' reading.
BENCHMARK_CAPTURE(BM_Compose, shoutarou, "佐藤", "しょうたろう", kComposeBoth)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Compose, yuina, "佐藤", "ゆいな", kComposeBoth)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Compose, haruto, "佐藤", "はると", kComposeBoth)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Compose, yuina_girls, "佐藤", "ゆいな", kComposeGirls)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Compose, haruto_boys, "佐藤", "はると", kComposeBoys)->Unit(benchmark::kMillisecond);
