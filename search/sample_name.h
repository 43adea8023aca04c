// The built-in store of sample surnames and sample given names with their
// readings, given names filed by stroke key.
#pragma once

#include <cstdint>

namespace hoshikura {

constexpr int kFirstStrokeKeys = 22;   // firstStrokes 0..21; row 0 stays empty
constexpr int kRestStrokeKeys = 43;    // restStrokes 0..42
constexpr int kMaxSampleSurnames = 2000;
constexpr int kMaxSurnameTexts = 200;
constexpr int kEntriesPerText = 10;
constexpr int kMaxWrittenBytes = 9;
constexpr int kMaxReadingBytes = 20;
constexpr int kMaxSampleSurnameChars = 5;

struct SampleEntry {
    char* written;
    char* reading;
    char sex;         // kSexBoy, kSexGirl or kSexEither (sex_filter.h)
    char generation;  // kGenerationToday, kGenerationUsual or kGenerationOlder (generation_filter.h)
};

class CSampleName {
public:
    // Parses every built-in text: the surnames, then all 903 keys.
    CSampleName();
    ~CSampleName();
    CSampleName(const CSampleName&) = delete;
    CSampleName& operator=(const CSampleName&) = delete;

    // Adds the surnames of texts[0..] up to the first empty text or 200
    // texts; returns how many were stored.
    int32_t SetSampleSei(const char* const* texts);
    // Replaces the slot of a key with the entries of `count` texts; returns
    // how many were stored. A key outside the table stores nothing. `sexes`
    // gives the entries their sex, one letter each in the order of the
    // texts; entries past its end, or all when it is null, are for either.
    // `generations` gives their generation the same way; entries past its
    // end, or all when it is null, are names of today.
    int32_t SetSampleName(int32_t firstStrokes, int32_t restStrokes, const char* const* texts,
                          int32_t count, const char* sexes = nullptr, const char* generations = nullptr);

    // Copies surname `index` into out (at least 12 bytes); out is unchanged
    // for an index outside the list.
    void GetSampleSei(int32_t index, char* out) const;
    int32_t GetSampleSeiCount() const { return surnameCount_; }
    // Entries under a key; 0 outside the table.
    int32_t GetSampleCount(int32_t firstStrokes, int32_t restStrokes) const;
    // Entries under every key.
    int32_t GetSampleTotal() const;
    // Copies the written form (out: at least 10 bytes) or the reading (at
    // least 21 bytes) of entry k; out is unchanged for a key or k outside.
    void GetSampleKj(int32_t firstStrokes, int32_t restStrokes, int32_t k, char* out) const;
    void GetSampleYomi(int32_t firstStrokes, int32_t restStrokes, int32_t k, char* out) const;
    // The sex letter of entry k; kSexEither for a key or k outside.
    char GetSampleSex(int32_t firstStrokes, int32_t restStrokes, int32_t k) const;
    // The generation letter of entry k; kGenerationToday for a key or k outside.
    char GetSampleGeneration(int32_t firstStrokes, int32_t restStrokes, int32_t k) const;

private:
    static bool InTable(int32_t firstStrokes, int32_t restStrokes);
    const SampleEntry* Entry(int32_t firstStrokes, int32_t restStrokes, int32_t k) const;
    void ClearSlot(int32_t firstStrokes, int32_t restStrokes);
    int32_t ParseEntries(const char* text, SampleEntry* entries, int32_t room, const char*& sexes,
                         const char*& generations);

    SampleEntry* nameTable_[kFirstStrokeKeys][kRestStrokeKeys];
    char* surnames_[kMaxSampleSurnames];
    int32_t nameCounts_[kFirstStrokeKeys][kRestStrokeKeys];
    int32_t surnameCount_;
};

}  // namespace hoshikura
