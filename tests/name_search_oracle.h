// Brute-force rankings for the name searches, computed without their
// insertion code: every candidate is scored and the list sorted stably.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "name_ranking.h"
#include "name_record.h"
#include "sample_name.h"
#include "sjis_text.h"

namespace oracle {

// One store for the whole suite, as the program keeps one.
inline const hoshikura::CSampleName& Store() {
    static const hoshikura::CSampleName* store = new hoshikura::CSampleName;
    return *store;
}

struct Sample {
    std::string written;
    std::string reading;
    char sex;  // 'b', 'g' or 'e'
};

// Every sample given name in the order the searches meet them: the
// one-character keys by first strokes, then the others by first and rest.
inline const std::vector<Sample>& SamplesInSearchOrder() {
    static const std::vector<Sample> samples = [] {
        std::vector<Sample> all;
        auto add = [&all](int first, int rest) {
            for (int k = 0; k < Store().GetSampleCount(first, rest); ++k) {
                char written[hoshikura::kMaxWrittenBytes + 1] = "";
                char reading[hoshikura::kMaxReadingBytes + 1] = "";
                Store().GetSampleKj(first, rest, k, written);
                Store().GetSampleYomi(first, rest, k, reading);
                all.push_back({written, reading, Store().GetSampleSex(first, rest, k)});
            }
        };
        for (int first = 1; first < hoshikura::kFirstStrokeKeys; ++first) add(first, 0);
        for (int first = 1; first < hoshikura::kFirstStrokeKeys; ++first)
            for (int rest = 1; rest < hoshikura::kRestStrokeKeys; ++rest) add(first, rest);
        return all;
    }();
    return samples;
}

// Whether the written form holds the character as one of its characters,
// walking it character by character by lead bytes.
inline bool HoldsCharacter(const std::string& written, const std::string& character) {
    for (size_t i = 0; i < written.size();
         i += hoshikura::IsLeadByte(static_cast<unsigned char>(written[i])) ? 2 : 1)
        if (written.compare(i, 2, character) == 0) return true;
    return false;
}

struct Ranked {
    std::string text;     // written form or surname
    std::string reading;  // empty when the search keeps none
    int score;
};

// Sorts best first, the candidate met later first among equal scores, and
// keeps the first 200.
inline std::vector<Ranked> TopRows(std::vector<Ranked> met, bool highFirst) {
    std::reverse(met.begin(), met.end());
    std::stable_sort(met.begin(), met.end(), [highFirst](const Ranked& a, const Ranked& b) {
        return highFirst ? a.score > b.score : a.score < b.score;
    });
    if (met.size() > 200) met.resize(200);
    return met;
}

inline int ScoreOf(const std::string& surname, const std::string& given) {
    hoshikura::CNameRecord record;
    record.Analyse(surname.c_str(), given.c_str());
    return record.totalScore;
}

// The name ranking: distinct written forms of the matching samples, each
// with the reading of its first sample, scored with the surname.
inline std::vector<Ranked> NameRanking(const std::string& surname,
                                       const std::function<bool(const Sample&)>& matches,
                                       bool keepReading) {
    std::vector<Ranked> met;
    for (const Sample& sample : SamplesInSearchOrder()) {
        if (!matches(sample)) continue;
        const bool seen = std::any_of(met.begin(), met.end(),
                                      [&](const Ranked& r) { return r.text == sample.written; });
        if (!seen) met.push_back({sample.written, keepReading ? sample.reading : "", ScoreOf(surname, sample.written)});
    }
    return TopRows(met, true);
}

// The rows of a name search equal the expected ones, with the strokes the
// stroke table gives their characters.
inline void ExpectNameRows(const hoshikura::NameResult (&rows)[200], int count,
                           const std::vector<Ranked>& expected, const std::string& surname) {
    ASSERT_EQ(count, static_cast<int>(expected.size())) << surname;
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(rows[i].written, expected[i].text) << surname << " row " << i;
        EXPECT_EQ(rows[i].reading, expected[i].reading) << surname << " row " << i;
        EXPECT_EQ(rows[i].score, expected[i].score) << surname << " row " << i;
        hoshikura::CNameRecord record;
        record.Analyse(surname.c_str(), rows[i].written);
        ASSERT_EQ(rows[i].characterCount, record.givenLength);
        for (int c = 0; c < record.givenLength; ++c)
            EXPECT_EQ(rows[i].strokes[c], record.strokes[record.surnameLength + c]);
    }
    if (count < 200) {
        EXPECT_STREQ(rows[count].written, "");
        EXPECT_EQ(rows[count].score, 0);
    }
}

// Adjacent rows of equal score, so that a comparison also covered ties.
template <typename Row>
int TiedPairs(const Row (&rows)[200], int count) {
    int ties = 0;
    for (int i = 1; i < count; ++i) ties += rows[i].score == rows[i - 1].score;
    return ties;
}

}  // namespace oracle
