#include "sample_name.h"

#include <cstring>
#include <new>

#include "generation_filter.h"
#include "message_sink.h"
#include "sample_name_data.h"
#include "sex_filter.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

const char kSeiAllocFailed[] = "メモリ割当てに失敗しました(CSampleName::SetSampleSei)";
const char kNameAllocFailed[] = "メモリ割当てに失敗しました(CSampleName::SetSampleName)";

// A surname separator: the full-width blank or two ASCII blanks.
bool IsSurnameSeparator(const char* p) {
    return (static_cast<unsigned char>(p[0]) == 0x81 && static_cast<unsigned char>(p[1]) == 0x40) ||
           (p[0] == ' ' && p[1] == ' ');
}

// A copy of text[0..length) in a block of length + 2 bytes, or null.
char* CopyField(const char* text, std::size_t length) {
    char* field = new (std::nothrow) char[length + 2];
    if (!field) return nullptr;
    std::memcpy(field, text, length);
    field[length] = '\0';
    field[length + 1] = '\0';
    return field;
}

// The written/reading separator: the second of two underscores that is not
// followed by a third one (a trail byte 0x5F belongs to the written form) nor
// by the end of the text. Searched from `from`; returns its index or -1.
std::ptrdiff_t FindSeparator(const char* text, std::size_t from) {
    for (std::size_t i = from + 1; text[i - 1] != '\0' && text[i] != '\0'; ++i) {
        if (text[i - 1] == '_' && text[i] == '_' && text[i + 1] != '_' && text[i + 1] != '\0')
            return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
}

// The sex of the next entry: the letter under the cursor, which moves on,
// or either once the letters have run out.
char NextSex(const char*& sexes) {
    if (!sexes || *sexes == '\0') return kSexEither;
    return SampleSexFromLetter(*sexes++);
}

// The generation of the next entry, as NextSex: today once the letters run out.
char NextGeneration(const char*& generations) {
    if (!generations || *generations == '\0') return kGenerationToday;
    return SampleGenerationFromLetter(*generations++);
}

int32_t CountSeparators(const char* text) {
    int32_t count = 0;
    for (std::ptrdiff_t at = FindSeparator(text, 0); at >= 0; at = FindSeparator(text, at + 1)) ++count;
    return count;
}

}  // namespace

CSampleName::CSampleName() : nameTable_{}, surnames_{}, nameCounts_{}, surnameCount_(0) {
    for (const char* const* group : kSurnameGroups) SetSampleSei(group);
    DebugPrint("姓のサンプル数＝%d個\n", surnameCount_);
    int next = 0;
    for (int32_t first = 1; first < kFirstStrokeKeys; ++first) {
        for (int32_t rest = 0; rest < kRestStrokeKeys; ++rest) {
            const SampleNameKey* key = nullptr;
            if (next < kSampleNameKeyCount && kSampleNameKeys[next].firstStrokes == first &&
                kSampleNameKeys[next].restStrokes == rest)
                key = &kSampleNameKeys[next++];
            if (key)
                SetSampleName(first, rest, key->texts, key->textCount, key->sexes, key->generations);
            else
                SetSampleName(first, rest, nullptr, 0);
        }
    }
}

CSampleName::~CSampleName() {
    for (int32_t first = 0; first < kFirstStrokeKeys; ++first)
        for (int32_t rest = 0; rest < kRestStrokeKeys; ++rest) ClearSlot(first, rest);
    for (char* surname : surnames_) delete[] surname;
}

int32_t CSampleName::SetSampleSei(const char* const* texts) {
    int32_t stored = 0;
    for (int t = 0; texts && t < kMaxSurnameTexts && texts[t] && texts[t][0] != '\0'; ++t) {
        const char* p = texts[t];
        while (*p != '\0') {
            // Take whole characters until a separator, the end, or five of them.
            const char* start = p;
            int chars = 0;
            while (p[0] != '\0' && p[1] != '\0' && !IsSurnameSeparator(p) && chars < kMaxSampleSurnameChars) {
                p += 2;
                ++chars;
            }
            if (chars > 0 && surnameCount_ < kMaxSampleSurnames) {
                char* surname = CopyField(start, static_cast<std::size_t>(p - start));
                if (surname) {
                    surnames_[surnameCount_++] = surname;
                    ++stored;
                } else {
                    ShowMessage("%s", kSeiAllocFailed);
                }
            }
            // Skip the separator (after five characters this drops the sixth);
            // a lone trailing byte ends the text.
            if (p[0] == '\0' || p[1] == '\0') break;
            p += 2;
        }
    }
    return stored;
}

bool CSampleName::InTable(int32_t firstStrokes, int32_t restStrokes) {
    return firstStrokes >= 0 && firstStrokes < kFirstStrokeKeys && restStrokes >= 0 &&
           restStrokes < kRestStrokeKeys;
}

void CSampleName::ClearSlot(int32_t firstStrokes, int32_t restStrokes) {
    SampleEntry*& slot = nameTable_[firstStrokes][restStrokes];
    if (slot) {
        for (int32_t k = 0; k < nameCounts_[firstStrokes][restStrokes]; ++k) {
            delete[] slot[k].written;
            delete[] slot[k].reading;
        }
        delete[] slot;
        slot = nullptr;
    }
    nameCounts_[firstStrokes][restStrokes] = 0;
}

// Parses up to ten entries of one text into entries[0..room); returns how
// many were stored. An entry with an empty written form or reading is
// skipped (its sex letter with it); an over-long field is cut on a
// character boundary.
int32_t CSampleName::ParseEntries(const char* text, SampleEntry* entries, int32_t room,
                                  const char*& sexes, const char*& generations) {
    int32_t stored = 0;
    std::size_t pos = 0;
    for (int taken = 0; taken < kEntriesPerText && stored < room && text[pos] != '\0'; ++taken) {
        const std::ptrdiff_t separator = FindSeparator(text, pos);
        if (separator < 0) break;
        const char* written = text + pos;
        const std::size_t writtenBytes = static_cast<std::size_t>(separator) - 1 - pos;
        const std::size_t writtenLength =
            CharBoundaryPrefix(written, writtenBytes < kMaxWrittenBytes ? writtenBytes : kMaxWrittenBytes);
        const char* reading = text + separator + 1;
        std::size_t readingBytes = 0;
        while (reading[readingBytes] != '\0' && reading[readingBytes] != ' ') ++readingBytes;
        const std::size_t readingLength =
            CharBoundaryPrefix(reading, readingBytes < kMaxReadingBytes ? readingBytes : kMaxReadingBytes);
        // The blank after the reading is consumed; the end of the text ends it.
        pos = static_cast<std::size_t>(reading - text) + readingBytes;
        if (text[pos] == ' ') ++pos;
        const char sex = NextSex(sexes);
        const char generation = NextGeneration(generations);
        if (writtenLength == 0 || readingLength == 0) continue;

        SampleEntry& entry = entries[stored];
        entry.written = CopyField(written, writtenLength);
        entry.reading = CopyField(reading, readingLength);
        entry.sex = sex;
        entry.generation = generation;
        if (!entry.written || !entry.reading) {
            ShowMessage("%s", kNameAllocFailed);
            delete[] entry.written;
            delete[] entry.reading;
            entry = SampleEntry{};
            continue;
        }
        ++stored;
    }
    return stored;
}

int32_t CSampleName::SetSampleName(int32_t firstStrokes, int32_t restStrokes,
                                   const char* const* texts, int32_t count, const char* sexes,
                                   const char* generations) {
    if (!InTable(firstStrokes, restStrokes) || count < 0) return 0;
    if (count == 0 || !texts) {
        ClearSlot(firstStrokes, restStrokes);
        return 0;
    }
    int32_t separators = 0;
    for (int32_t t = 0; t < count; ++t)
        if (texts[t]) separators += CountSeparators(texts[t]);
    if (separators == 0) return 0;

    ClearSlot(firstStrokes, restStrokes);
    SampleEntry* entries = new (std::nothrow) SampleEntry[separators]();
    if (!entries) {
        ShowMessage("%s", kNameAllocFailed);
        return 0;
    }
    int32_t stored = 0;
    for (int32_t t = 0; t < count; ++t)
        if (texts[t])
            stored += ParseEntries(texts[t], entries + stored, separators - stored, sexes, generations);
    nameTable_[firstStrokes][restStrokes] = entries;
    nameCounts_[firstStrokes][restStrokes] = stored;
    return stored;
}

void CSampleName::GetSampleSei(int32_t index, char* out) const {
    if (index < 0 || index >= surnameCount_) return;
    CopyText(out, 12, surnames_[index]);
}

int32_t CSampleName::GetSampleCount(int32_t firstStrokes, int32_t restStrokes) const {
    return InTable(firstStrokes, restStrokes) ? nameCounts_[firstStrokes][restStrokes] : 0;
}

int32_t CSampleName::GetSampleTotal() const {
    int32_t total = 0;
    for (int32_t first = 0; first < kFirstStrokeKeys; ++first)
        for (int32_t rest = 0; rest < kRestStrokeKeys; ++rest) total += nameCounts_[first][rest];
    return total;
}

const SampleEntry* CSampleName::Entry(int32_t firstStrokes, int32_t restStrokes, int32_t k) const {
    if (!InTable(firstStrokes, restStrokes)) return nullptr;
    if (k < 0 || k >= nameCounts_[firstStrokes][restStrokes]) return nullptr;
    return &nameTable_[firstStrokes][restStrokes][k];
}

void CSampleName::GetSampleKj(int32_t firstStrokes, int32_t restStrokes, int32_t k, char* out) const {
    if (!InTable(firstStrokes, restStrokes)) {
        ShowMessage("%s", "インデックス範囲を超えてます at CSampleName::GetSampleKj");
        return;
    }
    if (const SampleEntry* entry = Entry(firstStrokes, restStrokes, k))
        CopyText(out, kMaxWrittenBytes + 1, entry->written);
}

void CSampleName::GetSampleYomi(int32_t firstStrokes, int32_t restStrokes, int32_t k, char* out) const {
    if (const SampleEntry* entry = Entry(firstStrokes, restStrokes, k))
        CopyText(out, kMaxReadingBytes + 1, entry->reading);
}

char CSampleName::GetSampleSex(int32_t firstStrokes, int32_t restStrokes, int32_t k) const {
    const SampleEntry* entry = Entry(firstStrokes, restStrokes, k);
    return entry ? entry->sex : kSexEither;
}

char CSampleName::GetSampleGeneration(int32_t firstStrokes, int32_t restStrokes, int32_t k) const {
    const SampleEntry* entry = Entry(firstStrokes, restStrokes, k);
    return entry ? entry->generation : kGenerationToday;
}

}  // namespace hoshikura
