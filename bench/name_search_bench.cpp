// The reading, kanji and surname searches and the composition of spellings
// end to end, against the one sample store the program builds at start-up.
#include <benchmark/benchmark.h>

#include "compose_search.h"
#include "kanji_search.h"
#include "reading_search.h"
#include "sex_filter.h"
#include "surname_search.h"

using namespace hoshikura;

namespace {

const CSampleName& Store() {
    static const CSampleName* store = new CSampleName;
    return *store;
}

}  // namespace

// The searches by reading and by one kanji share their query and run alike.
template <class TSearch>
static void BM_QuerySearch(benchmark::State& state, const char* surname, const char* query,
                           int32_t sexChoice, int32_t todayOnly) {
    const CSampleName& store = Store();
    for (auto _ : state) {
        TSearch search;
        search.SetQuery(surname, query);
        search.sexChoice = sexChoice;
        search.todayOnly = todayOnly;
        search.RunSearch(store);
        benchmark::DoNotOptimize(search.results[0].score);
    }
}
static void BM_ReadingSearch(benchmark::State& state, const char* surname, const char* reading,
                             int32_t sexChoice, int32_t todayOnly = 0) {
    BM_QuerySearch<CReadingSearch>(state, surname, reading, sexChoice, todayOnly);
}
// A common reading of the data, a usual one typed in either kana, one for
// either sex with each choice, and none.
BENCHMARK_CAPTURE(BM_ReadingSearch, miyuki, "山田", "みゆき", kBothSexes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadingSearch, hiroshi, "山田", "ひろし", kBothSexes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadingSearch, hiroshi_katakana, "山田", "ヒロシ", kBothSexes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadingSearch, hiromi_boys, "山田", "ひろみ", kBoysOnly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadingSearch, hiromi_girls, "山田", "ひろみ", kGirlsOnly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadingSearch, none, "山田", "ぴぴぷ", kBothSexes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadingSearch, yuuki_boys_today, "山田", "ゆうき", kBoysOnly, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadingSearch, akari_today, "鈴木", "あかり", kBothSexes, 1)->Unit(benchmark::kMillisecond);

static void BM_KanjiSearch(benchmark::State& state, const char* surname, const char* character,
                           int32_t sexChoice, int32_t todayOnly = 0) {
    BM_QuerySearch<CKanjiSearch>(state, surname, character, sexChoice, todayOnly);
}
// Characters held by many forms (子 1,040, 美 733) and by few (翔 56), each choice.
BENCHMARK_CAPTURE(BM_KanjiSearch, ko, "山田", "子", kBothSexes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_KanjiSearch, ko_girls, "山田", "子", kGirlsOnly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_KanjiSearch, mi, "山田", "美", kBothSexes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_KanjiSearch, mi_boys, "山田", "美", kBoysOnly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_KanjiSearch, sho, "山田", "翔", kBothSexes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_KanjiSearch, sho_boys, "山田", "翔", kBoysOnly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_KanjiSearch, ko_girls_today, "山田", "子", kGirlsOnly, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_KanjiSearch, mi_today, "山田", "美", kBothSexes, 1)->Unit(benchmark::kMillisecond);

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

static void BM_Compose(benchmark::State& state, const char* surname, const char* reading,
                       int32_t sex, int32_t todayOnly = 0) {
    const CSampleName& store = Store();
    int64_t judged = 0;
    for (auto _ : state) {
        CComposeSearch search;
        search.SetQuery(surname, reading, sex, todayOnly);
        search.RunSearch(store);
        judged = search.spellingsJudged;
        benchmark::DoNotOptimize(search.results[0].score);
    }
    state.counters["spellings"] = static_cast<double>(judged);
}
// Long common readings: six kana with a three-kana piece; three short
// pieces with many characters each; the commonest boys' reading.
BENCHMARK_CAPTURE(BM_Compose, shoutarou, "佐藤", "しょうたろう", kBothSexes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Compose, yuina, "佐藤", "ゆいな", kBothSexes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Compose, haruto, "佐藤", "はると", kBothSexes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Compose, yuina_girls, "佐藤", "ゆいな", kGirlsOnly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Compose, haruto_boys, "佐藤", "はると", kBoysOnly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Compose, hinata_girls_today, "木村", "ひなた", kGirlsOnly, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Compose, yuuki_today, "佐藤", "ゆうき", kBothSexes, 1)->Unit(benchmark::kMillisecond);
