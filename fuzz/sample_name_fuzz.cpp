// The sample store's parsers on any texts and counts. Input: a mode byte
// (bit 0: surnames or a name key; bit 1: no text array at all); for surnames
// how many the store holds already (a byte, see HeldChoice); for a key its first and rest
// strokes, count and null mask; then the texts, each up to a NUL.
//
// Each input gets a store of its own, built over stand-in data
// (sample_name_fuzz_data.cpp): building the real store takes as long as
// hundreds of inputs.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_support.h"
#include "recording_sink.h"
#include "sample_name.h"
#include "sjis_text.h"

using namespace hoshikura;

namespace {

constexpr int kMaxTexts = 210;  // past the 200 surname texts that are read

// A slot that is filled before the call, so that a refusal can be seen to
// change nothing.
const char* const kFilledSlot[] = {"浩__ひろし 一一__かずひと"};

// Texts as the caller hands them: some entries may be null.
struct Texts {
    std::vector<std::string> owned;
    std::vector<const char*> pointers;
};

Texts ReadTexts(FuzzBytes& input, uint8_t nullMask) {
    Texts texts;
    while (!input.Empty() && texts.owned.size() < kMaxTexts) texts.owned.push_back(input.Text());
    for (std::size_t t = 0; t < texts.owned.size(); ++t)
        texts.pointers.push_back(t < 8 && (nullMask >> t & 1) ? nullptr : texts.owned[t].c_str());
    texts.pointers.push_back(nullptr);
    return texts;
}

bool Holds(const std::string& text, const std::string& piece) {
    return std::search(text.begin(), text.end(), piece.begin(), piece.end()) != text.end();
}

// Entries are stored in the order of the texts they come from, so each is
// looked for in the text of the one before it and on from there: the check
// stays linear in the input. Advances `from` to the first text at or after
// it that holds both pieces; false when none before `end` does.
bool FoundFrom(const std::vector<std::string>& texts, std::size_t end, std::size_t& from, const std::string& piece,
               const std::string& other) {
    while (from < end && !(Holds(texts[from], piece) && Holds(texts[from], other))) ++from;
    return from < end;
}

bool WholeCharacters(const std::string& text) { return CharBoundaryPrefix(text.c_str(), text.size()) == text.size(); }

// Key choice: mostly inside the table or just past it, sometimes any number.
int32_t KeyChoice(FuzzBytes& input, int32_t keys) {
    const uint8_t b = input.Byte();
    return b < 0xF0 ? b % (keys + 1) : input.Int32();
}

// ---- SetSampleName ----------------------------------------------------------

using Slot = std::vector<std::pair<std::string, std::string>>;

std::string ReadField(const CSampleName& store, int32_t first, int32_t rest, int32_t k, bool written) {
    ExactBuffer out(written ? kMaxWrittenBytes + 1 : kMaxReadingBytes + 1);
    if (written)
        store.GetSampleKj(first, rest, k, out.Data());
    else
        store.GetSampleYomi(first, rest, k, out.Data());
    FUZZ_CHECK(out.Terminated());
    return out.Text();
}

Slot SlotOf(const CSampleName& store, int32_t first, int32_t rest) {
    Slot slot;
    for (int32_t k = 0; k < store.GetSampleCount(first, rest); ++k)
        slot.emplace_back(ReadField(store, first, rest, k, true), ReadField(store, first, rest, k, false));
    return slot;
}

std::vector<int32_t> AllCounts(const CSampleName& store) {
    std::vector<int32_t> counts;
    for (int32_t f = 0; f < kFirstStrokeKeys; ++f)
        for (int32_t r = 0; r < kRestStrokeKeys; ++r) counts.push_back(store.GetSampleCount(f, r));
    return counts;
}

// Compared element by element: a memcmp of the whole table would be handed
// to the fuzzer's comparison hooks byte by byte on every input.
bool SameCounts(const std::vector<int32_t>& a, const std::vector<int32_t>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

// Separators as the entry format defines them: the second of two
// underscores, followed neither by a third nor by the end.
int32_t Separators(const char* text) {
    int32_t n = 0;
    for (std::size_t i = 1; text[i - 1] != '\0' && text[i] != '\0'; ++i)
        n += text[i - 1] == '_' && text[i] == '_' && text[i + 1] != '_' && text[i + 1] != '\0';
    return n;
}

void CheckStoredEntries(const CSampleName& store, int32_t first, int32_t rest, const Texts& texts) {
    const Slot slot = SlotOf(store, first, rest);
    std::size_t from = 0;
    for (const auto& entry : slot) {
        FUZZ_CHECK(!entry.first.empty() && entry.first.size() <= kMaxWrittenBytes);
        FUZZ_CHECK(!entry.second.empty() && entry.second.size() <= kMaxReadingBytes);
        FUZZ_CHECK(WholeCharacters(entry.first) && WholeCharacters(entry.second));
        FUZZ_CHECK(entry.second.find(' ') == std::string::npos);
        FUZZ_CHECK(FoundFrom(texts.owned, texts.owned.size(), from, entry.first, entry.second));
    }
    // Past the last entry a reader leaves its buffer alone.
    ExactBuffer past(kMaxWrittenBytes + 1);
    store.GetSampleKj(first, rest, static_cast<int32_t>(slot.size()), past.Data());
    FUZZ_CHECK(!past.Terminated());
}

void FuzzNameKey(FuzzBytes& input, bool noArray) {
    CSampleName store;
    const int32_t first = KeyChoice(input, kFirstStrokeKeys);
    const int32_t rest = KeyChoice(input, kRestStrokeKeys);
    const uint8_t countByte = input.Byte();
    const uint8_t nullMask = input.Byte();
    const Texts texts = ReadTexts(input, nullMask);
    const int32_t available = static_cast<int32_t>(texts.owned.size());
    const int32_t count = countByte >= 0xF0 ? 0xEF - countByte : countByte % (available + 1);

    const bool inTable = first >= 0 && first < kFirstStrokeKeys && rest >= 0 && rest < kRestStrokeKeys;
    if (inTable) store.SetSampleName(first, rest, kFilledSlot, 1);
    store.SetSampleName(1, 0, kFilledSlot, 1);
    const std::vector<int32_t> countsBefore = AllCounts(store);
    const Slot before = inTable ? SlotOf(store, first, rest) : Slot();
    int32_t separators = 0;
    for (int32_t t = 0; t < count && !noArray; ++t)
        if (texts.pointers[t]) separators += Separators(texts.pointers[t]);

    RecordingSink sink;
    const int32_t stored = store.SetSampleName(first, rest, noArray ? nullptr : texts.pointers.data(), count);
    FUZZ_CHECK(sink.shown.empty());
    std::vector<int32_t> countsAfter = AllCounts(store);
    if (!inTable || count < 0 || (!noArray && count > 0 && separators == 0)) {
        // A refused call changes nothing.
        FUZZ_CHECK(stored == 0);
        FUZZ_CHECK(SameCounts(countsAfter, countsBefore));
        if (inTable) FUZZ_CHECK(SlotOf(store, first, rest) == before);
        return;
    }
    FUZZ_CHECK(stored == store.GetSampleCount(first, rest));
    FUZZ_CHECK(stored <= separators);
    FUZZ_CHECK(stored <= 10 * count);
    // Only the one key changed.
    const std::size_t at = static_cast<std::size_t>(first * kRestStrokeKeys + rest);
    countsAfter[at] = countsBefore[at];
    FUZZ_CHECK(SameCounts(countsAfter, countsBefore));
    CheckStoredEntries(store, first, rest, texts);
}

// ---- SetSampleSei -----------------------------------------------------------

bool HoldsSurnameSeparator(const std::string& surname) {
    for (std::size_t i = 0; i + 1 < surname.size(); i += 2)
        if ((static_cast<unsigned char>(surname[i]) == 0x81 && surname[i + 1] == 0x40) ||
            (surname[i] == ' ' && surname[i + 1] == ' '))
            return true;
    return false;
}

// Puts `count` surnames into the store, a few at a time.
void FillSurnames(CSampleName& store, int count) {
    const std::string ten = "一　二　三　四　五　六　七　八　九　十";
    std::vector<std::string> owned(static_cast<std::size_t>(count / 10), ten);
    std::string last;
    for (int i = 0; i < count % 10; ++i) last += i ? "　山" : "山";
    if (!last.empty()) owned.push_back(last);
    std::vector<const char*> texts;
    for (const std::string& text : owned) texts.push_back(text.c_str());
    texts.push_back(nullptr);
    for (std::size_t at = 0; at + 1 < texts.size(); at += kMaxSurnameTexts) store.SetSampleSei(texts.data() + at);
    FUZZ_CHECK(store.GetSampleSeiCount() == count);
}

// How many surnames the store holds before the call: mostly a few, now and
// then the last sixteen before the limit. (Filling costs an allocation per
// surname, so a full store on every input would slow the run tenfold.)
int HeldChoice(uint8_t b) { return b >= 0xF0 ? kMaxSampleSurnames - (b & 0x0F) : b; }

void FuzzSurnames(FuzzBytes& input, bool noArray) {
    CSampleName store;
    const int held = HeldChoice(input.Byte());
    FillSurnames(store, held);
    const Texts texts = ReadTexts(input, 0);
    // Texts are read up to the first empty one, and at most 200 of them.
    std::size_t end = 0;
    while (!noArray && end < texts.owned.size() && end < kMaxSurnameTexts && !texts.owned[end].empty()) ++end;
    std::size_t bytes = 0;
    for (std::size_t t = 0; t < end; ++t) bytes += texts.owned[t].size();

    const int32_t before = store.GetSampleSeiCount();
    RecordingSink sink;
    const int32_t stored = store.SetSampleSei(noArray ? nullptr : texts.pointers.data());
    FUZZ_CHECK(sink.shown.empty());
    const int32_t after = store.GetSampleSeiCount();
    FUZZ_CHECK(stored >= 0 && after == before + stored && after <= kMaxSampleSurnames);
    FUZZ_CHECK(static_cast<std::size_t>(stored) <= bytes / 2);
    std::size_t from = 0;
    for (int32_t i = before; i < after; ++i) {
        ExactBuffer out(kMaxSampleSurnameChars * 2 + 2);
        store.GetSampleSei(i, out.Data());
        FUZZ_CHECK(out.Terminated());
        const std::string surname = out.Text();
        // Whole two-byte steps, one to five of them, none a separator.
        FUZZ_CHECK(surname.size() % 2 == 0 && surname.size() >= 2 &&
                   surname.size() <= 2 * kMaxSampleSurnameChars);
        FUZZ_CHECK(!HoldsSurnameSeparator(surname));
        FUZZ_CHECK(FoundFrom(texts.owned, end, from, surname, std::string()));
    }
    ExactBuffer past(kMaxSampleSurnameChars * 2 + 2);
    store.GetSampleSei(after, past.Data());
    FUZZ_CHECK(!past.Terminated());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzBytes input(data, size);
    const uint8_t mode = input.Byte();
    if (mode & 1)
        FuzzSurnames(input, mode & 2);
    else
        FuzzNameKey(input, mode & 2);
    return 0;
}
