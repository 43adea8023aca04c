#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "empty_sample_store.h"
#include "kanji_search.h"
#include "name_search_oracle.h"
#include "reading_search.h"
#include "sex_filter.h"

using namespace hoshikura;

namespace {

// Three names read ひかる under one key, of equal strokes: a boy's, a
// girl's and one for either.
struct SmallStore : EmptyStore {
    SmallStore() {
        const char* texts[] = {"一二__ひかる 一八__ひかる 一人__ひかる"};
        SetSampleName(1, 2, texts, 1, "bge");
    }
};

template <typename Search>
Search SearchedFor(const CSampleName& store, int32_t choice, const char* surname, const char* wanted) {
    Search search;
    search.SetQuery(surname, wanted);
    search.sexChoice = choice;
    search.RunSearch(store);
    return search;
}

template <typename Search>
std::string RankedForms(const Search& search) {
    std::string forms;
    for (int i = 0; i < search.resultCount; ++i)
        forms += std::string(forms.empty() ? "" : " ") + search.results[i].written;
    return forms;
}

// The letter a choice leaves out: boys' lists leave out the girls' names.
char LeftOut(int32_t choice) { return choice == kBoysOnly ? 'g' : 'b'; }

}  // namespace

TEST(SexFilter, EachChoiceListsItsOwnNamesAndThoseForEither) {
    const SmallStore store;
    // Stored values other than 1 and 2 list everything.
    const struct {
        int32_t choice;
        const char* forms;      // as the searches rank them: the later first among equals
        const char* indices;    // k of each listed row under the key, in the same order
    } cases[] = {{kBothSexes, "一人 一八 一二", "210"}, {kBoysOnly, "一人 一二", "20"},
                 {kGirlsOnly, "一人 一八", "21"},      {3, "一人 一八 一二", "210"},
                 {-1, "一人 一八 一二", "210"}};
    for (const auto& c : cases) {
        // All three score alike with 山田, so the walk order alone decides.
        EXPECT_EQ(RankedForms(SearchedFor<CReadingSearch>(store, c.choice, "山田", "ひかる")), c.forms)
            << c.choice;
        EXPECT_EQ(RankedForms(SearchedFor<CKanjiSearch>(store, c.choice, "山田", "一")), c.forms) << c.choice;

        const int32_t listed = AdmittedSampleCount(store, 1, 2, c.choice);
        ASSERT_EQ(listed, static_cast<int32_t>(std::strlen(c.indices))) << c.choice;
        for (int32_t row = 0; row < listed; ++row)
            EXPECT_EQ(AdmittedSampleIndex(store, 1, 2, c.choice, row), c.indices[row] - '0');
        EXPECT_EQ(AdmittedSampleIndex(store, 1, 2, c.choice, listed), -1);
        EXPECT_EQ(AdmittedSampleIndex(store, 1, 2, c.choice, -1), -1);
        EXPECT_EQ(AdmittedSampleCount(store, 22, 0, c.choice), 0);
    }
}

TEST(SexFilter, RealRankingsHoldTheFilteredSamplesScoredAndSorted) {
    int narrowed = 0;
    for (const int32_t choice : {kBoysOnly, kGirlsOnly}) {
        for (const char* wanted : {"ひろみ", "かおる", "あきら"}) {
            const auto s = SearchedFor<CReadingSearch>(oracle::Store(), choice, "佐々木", wanted);
            const auto all = oracle::NameRanking(
                "佐々木", [&](const oracle::Sample& x) { return x.reading == wanted; }, false);
            const auto expected = oracle::NameRanking(
                "佐々木",
                [&](const oracle::Sample& x) { return x.reading == wanted && x.sex != LeftOut(choice); },
                false);
            oracle::ExpectNameRows(s.results, s.resultCount, expected, "佐々木");
            narrowed += expected.size() < all.size();
        }
        for (const char* character : {"美", "太", "翔"}) {
            const auto s = SearchedFor<CKanjiSearch>(oracle::Store(), choice, "山田", character);
            const auto expected = oracle::NameRanking(
                "山田",
                [&](const oracle::Sample& x) {
                    return oracle::HoldsCharacter(x.written, character) && x.sex != LeftOut(choice);
                },
                true);
            oracle::ExpectNameRows(s.results, s.resultCount, expected, "山田");
        }
    }
    EXPECT_GT(narrowed, 0);
}
