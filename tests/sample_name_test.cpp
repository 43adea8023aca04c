#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "empty_sample_store.h"
#include "recording_sink.h"
#include "sample_name.h"
#include "sample_name_data.h"

using namespace hoshikura;

namespace {

const CSampleName& Store() {
    static const CSampleName* store = new CSampleName;
    return *store;
}

std::string Written(const CSampleName& s, int f, int r, int k) {
    char out[kMaxWrittenBytes + 1] = "?";
    s.GetSampleKj(f, r, k, out);
    return out;
}

std::string Reading(const CSampleName& s, int f, int r, int k) {
    char out[kMaxReadingBytes + 1] = "?";
    s.GetSampleYomi(f, r, k, out);
    return out;
}

}  // namespace

TEST(SampleStore, RealDataShapeAndLimits) {
    EXPECT_EQ(Store().GetSampleSeiCount(), 1760);
    char first[12];
    Store().GetSampleSei(0, first);
    EXPECT_STREQ(first, "阿井");
    int doubled = 0;
    for (int i = 0; i < Store().GetSampleSeiCount(); ++i) {
        char s[12];
        Store().GetSampleSei(i, s);
        doubled += std::strcmp(s, "菅") == 0;
        EXPECT_LE(std::strlen(s), 8u);
    }
    EXPECT_EQ(doubled, 2);
    int entries = 0, trail5F = 0;
    for (int f = 0; f < kFirstStrokeKeys; ++f)
        for (int r = 0; r < kRestStrokeKeys; ++r)
            for (int k = 0; k < Store().GetSampleCount(f, r); ++k) {
                const std::string w = Written(Store(), f, r, k), y = Reading(Store(), f, r, k);
                ASSERT_FALSE(w.empty());
                ASSERT_FALSE(y.empty());
                EXPECT_LE(w.size(), 6u);
                trail5F += w.back() == '_';
                ++entries;
            }
    int generated = 0;
    for (int i = 0; i < kSampleNameKeyCount; ++i) generated += static_cast<int>(std::strlen(kSampleNameKeys[i].sexes));
    EXPECT_EQ(entries, generated);
    EXPECT_GT(trail5F, 0);  // written forms ending in a 0x5F trail byte survive the parse
    EXPECT_EQ(Store().GetSampleCount(0, 0), 0);
}

TEST(SampleStore, EveryEntryHasASex) {
    int entries = 0, boys = 0, girls = 0;
    for (int i = 0; i < kSampleNameKeyCount; ++i) {
        const SampleNameKey& key = kSampleNameKeys[i];
        const std::string sexes = key.sexes;
        EXPECT_EQ(static_cast<int>(sexes.size()), Store().GetSampleCount(key.firstStrokes, key.restStrokes))
            << key.firstStrokes << "," << key.restStrokes;
        EXPECT_EQ(sexes.find_first_not_of("bge"), std::string::npos);
        for (char sex : sexes) {
            boys += sex != 'g';
            girls += sex != 'b';
        }
        entries += static_cast<int>(sexes.size());
    }
    // Either list alone is a real choice: each holds a good share of all names.
    EXPECT_GT(boys * 4, entries);
    EXPECT_GT(girls * 4, entries);
}

TEST(SampleStore, SeparatorTakesTheLastTwoOfThreeUnderscores) {
    EmptyStore s;
    const char* texts[] = {"浩__ひろし 一一__かずひと しの__しの"};
    EXPECT_EQ(s.SetSampleName(10, 0, texts, 1), 3);
    EXPECT_EQ(Written(s, 10, 0, 0), "浩");
    EXPECT_EQ(Reading(s, 10, 0, 0), "ひろし");
    EXPECT_EQ(Written(s, 10, 0, 1), "一一");
    EXPECT_EQ(Reading(s, 10, 0, 2), "しの");
}

TEST(SampleStore, SexLettersFollowTheEntriesInTheirOrder) {
    EmptyStore s;
    // The skipped entry without a written form takes its letter with it; an
    // unknown letter and the entries past the letters are for either sex.
    const char* texts[] = {"一__はじめ 二__じ", "三__さぶろう __から 四__しろう", "五__いつき"};
    ASSERT_EQ(s.SetSampleName(1, 0, texts, 3, "bgxg"), 5);
    std::string letters;
    for (int k = 0; k < 5; ++k) letters += s.GetSampleSex(1, 0, k);
    EXPECT_EQ(letters, "bgeee");
    ASSERT_EQ(s.SetSampleName(2, 0, texts, 1), 2);
    EXPECT_EQ(s.GetSampleSex(2, 0, 1), 'e');
    EXPECT_EQ(s.GetSampleSex(2, 0, 2), 'e');
    EXPECT_EQ(s.GetSampleSex(22, 0, 0), 'e');
}

TEST(SampleStore, RealDataHoldsBoysAndGirlsNames) {
    int boys = 0, girls = 0;
    for (int f = 0; f < kFirstStrokeKeys; ++f)
        for (int r = 0; r < kRestStrokeKeys; ++r)
            for (int k = 0; k < Store().GetSampleCount(f, r); ++k) {
                boys += Store().GetSampleSex(f, r, k) == 'b';
                girls += Store().GetSampleSex(f, r, k) == 'g';
            }
    EXPECT_GT(boys, 0);
    EXPECT_GT(girls, 0);
}

TEST(SampleStore, RefusedTextsChangeNothing) {
    EmptyStore s;
    const char* good[] = {"力__ちから"};
    s.SetSampleName(2, 0, good, 1);
    const char* none[] = {"力ちから"};
    EXPECT_EQ(s.SetSampleName(2, 0, none, 1), 0);  // no separator: slot untouched
    EXPECT_EQ(s.SetSampleName(2, 0, good, -1), 0);
    EXPECT_EQ(s.GetSampleCount(2, 0), 1);
    EXPECT_EQ(s.SetSampleName(22, 0, good, 1), 0);
    EXPECT_EQ(s.SetSampleName(-1, 0, good, 1), 0);
    EXPECT_EQ(s.SetSampleName(2, 0, good, 0), 0);  // count 0 empties the slot
    EXPECT_EQ(s.GetSampleCount(2, 0), 0);
}

TEST(SampleStore, OverlongFieldsAreCutOnACharacterBoundary) {
    EmptyStore s;
    const char* texts[] = {"寿限無寿限無__じゅげむじゅげむごこうのすりきれかいじゃりすいぎょ"};
    EXPECT_EQ(s.SetSampleName(7, 0, texts, 1), 1);
    EXPECT_EQ(Written(s, 7, 0, 0), "寿限無寿");          // 8 of at most 9 bytes
    EXPECT_EQ(Reading(s, 7, 0, 0).size(), 20u);
}

TEST(SampleStore, ReadersRefuseOutsideKeysAndIndices) {
    RecordingSink sink;
    EXPECT_EQ(Store().GetSampleCount(22, 0), 0);
    EXPECT_EQ(Store().GetSampleCount(5, 43), 0);
    EXPECT_EQ(Store().GetSampleCount(-1, 0), 0);
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_EQ(Written(Store(), 22, 0, 0), "?");
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0], "インデックス範囲を超えてます at CSampleName::GetSampleKj");
    EXPECT_EQ(Written(Store(), 10, 0, -1), "?");
    EXPECT_EQ(Written(Store(), 10, 0, Store().GetSampleCount(10, 0)), "?");
    EXPECT_EQ(Reading(Store(), 10, 0, 100000), "?");
    char out[12] = "?";
    Store().GetSampleSei(1760, out);
    Store().GetSampleSei(-1, out);
    EXPECT_STREQ(out, "?");
}
