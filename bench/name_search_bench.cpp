// The reading, kanji and surname searches end to end, against the one
// sample store the program builds at start-up.
#include <benchmark/benchmark.h>

#include "kanji_search.h"
#include "reading_search.h"
#include "surname_search.h"

using namespace hoshikura;

namespace {

const CSampleName& Store() {
    static const CSampleName* store = new CSampleName;
    return *store;
}

}  // namespace

static void BM_ReadingSearch(benchmark::State& state, const char* surname, const char* reading) {
    const CSampleName& store = Store();
    for (auto _ : state) {
        CReadingSearch search;
        search.SetQuery(surname, reading);
        search.RunSearch(store);
        benchmark::DoNotOptimize(search.results[0].score);
    }
}
// The most common reading of the data (169 forms), a usual one, and none.
BENCHMARK_CAPTURE(BM_ReadingSearch, miyuki, "山田", "みゆき")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadingSearch, hiroshi, "山田", "ひろし")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadingSearch, none, "山田", "ヒロシ")->Unit(benchmark::kMillisecond);

static void BM_KanjiSearch(benchmark::State& state, const char* surname, const char* character) {
    const CSampleName& store = Store();
    for (auto _ : state) {
        CKanjiSearch search;
        search.SetQuery(surname, character);
        search.RunSearch(store);
        benchmark::DoNotOptimize(search.results[0].score);
    }
}
// 子 is the commonest character of the data (1,040 forms), 美 among the next (733); 翔 has 56.
BENCHMARK_CAPTURE(BM_KanjiSearch, ko, "山田", "子")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_KanjiSearch, mi, "山田", "美")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_KanjiSearch, sho, "山田", "翔")->Unit(benchmark::kMillisecond);

static void BM_SurnameSearch(benchmark::State& state, const char* given, int good) {
    const CSampleName& store = Store();
    for (auto _ : state) {
        CSurnameSearch search;
        search.SetQuery(good, given);
        search.RunSearch(store);
        benchmark::DoNotOptimize(search.results[0].score);
    }
}
BENCHMARK_CAPTURE(BM_SurnameSearch, best, "太郎", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SurnameSearch, worst, "太郎", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SurnameSearch, best_three, "健太郎", 1)->Unit(benchmark::kMillisecond);
