// What the input dialogs make of typed text: sealing a field's buffer, the
// words of the four search dialogs, and the control characters no name
// holds. Input: the good/bad choice, the
// field buffer's capacity and read limit (two bytes each), then the typed
// bytes (the field buffer takes them as they are, NULs included).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "dialog_text.h"
#include "fuzz_support.h"
#include "name_split.h"
#include "recording_sink.h"
#include "sjis_text.h"

using namespace hoshikura;

namespace {

struct Outcome {
    bool accepted;
    std::string first;
    std::string second;
    bool operator==(const Outcome& o) const {
        return accepted == o.accepted && first == o.first && second == o.second;
    }
};

using Builder = bool (*)(const char*, bool, SearchRequest&);

bool Reading(const char* typed, bool, SearchRequest& r) { return ReadingRequest(typed, SearchKind::kReading, r); }
bool Kanji(const char* typed, bool, SearchRequest& r) { return KanjiRequest(typed, r); }

struct Built {
    Outcome outcome;
    bool wantGood;
};

Built BuildRequest(Builder builder, const std::string& typed, bool wantGood) {
    // On the heap, so that a write past the request is caught.
    auto request = std::make_unique<SearchRequest>();
    std::memset(request->surname, 0xAA, sizeof request->surname);
    std::memset(request->query, 0xAA, sizeof request->query);
    RecordingSink sink;
    const bool accepted = builder(typed.c_str(), wantGood, *request);
    FUZZ_CHECK(sink.shown.size() <= 1);
    FUZZ_CHECK(strnlen(request->surname, sizeof request->surname) < sizeof request->surname);
    FUZZ_CHECK(strnlen(request->query, sizeof request->query) < sizeof request->query);
    return {{accepted, request->surname, request->query}, request->wantGood};
}

Outcome Build(Builder builder, const std::string& typed, bool wantGood) {
    return BuildRequest(builder, typed, wantGood).outcome;
}

bool HoldsSeparator(const std::string& word) {
    return word.find(' ') != std::string::npos || word.find("\x81\x40") != std::string::npos;
}

bool NameWord(const std::string& word, bool limited) {
    return word.size() >= 2 && (!limited || word.size() <= kMaxNameBytes) && !HoldsSeparator(word);
}

bool HoldsControl(const std::string& text) {
    for (unsigned char byte : text)
        if (byte < 0x20 || byte == 0x7F) return true;
    return false;
}

// Control characters are gone from every word, and typed text is taken as
// if it had never held them.
void CheckControlCharacters(Builder builder, const std::string& typed, bool wantGood,
                            const Outcome& outcome) {
    FUZZ_CHECK(!HoldsControl(outcome.first) && !HoldsControl(outcome.second));
    std::string cleaned = typed;
    RemoveControlCharacters(cleaned);
    FUZZ_CHECK(!HoldsControl(cleaned) && cleaned.size() <= typed.size());
    std::string again = cleaned;
    RemoveControlCharacters(again);
    FUZZ_CHECK(again == cleaned);
    // Within every read limit, what the controls hid makes no difference.
    if (typed.size() <= kGivenNameReadLimit) FUZZ_CHECK(Build(builder, cleaned, wantGood) == outcome);
}

// The dialogs read at most `limit` bytes: what follows them never counts.
void CheckReadLimit(Builder builder, const std::string& typed, bool wantGood, std::size_t limit,
                    const Outcome& outcome) {
    if (typed.size() > limit) FUZZ_CHECK(Build(builder, typed.substr(0, limit), wantGood) == outcome);
}

void CheckBuilders(const std::string& typed, bool wantGood) {
    const Built patterns = BuildRequest(StrokePatternRequest, typed, wantGood);
    const Built surnames = BuildRequest(SurnameRequest, typed, wantGood);
    const Outcome& surname = patterns.outcome;
    const Outcome& given = surnames.outcome;
    const Outcome reading = Build(Reading, typed, wantGood);
    const Outcome kanji = Build(Kanji, typed, wantGood);

    if (surname.accepted)
        FUZZ_CHECK(NameWord(surname.first, true) && surname.second.empty() && patterns.wantGood == wantGood);
    if (given.accepted)
        FUZZ_CHECK(given.first.empty() && NameWord(given.second, true) && surnames.wantGood == wantGood);
    if (reading.accepted) FUZZ_CHECK(NameWord(reading.first, true) && NameWord(reading.second, false));
    // The kanji dialog is the reading dialog's split with one character after it.
    if (kanji.accepted) FUZZ_CHECK(reading == kanji && kanji.second.size() == 2);
    // A reading short enough for a given name splits as the surname dialog does.
    if (reading.accepted && reading.second.size() <= kMaxNameBytes)
        FUZZ_CHECK(surname.accepted && surname.first == reading.first);

    CheckControlCharacters(StrokePatternRequest, typed, wantGood, surname);
    CheckControlCharacters(Reading, typed, wantGood, reading);
    CheckControlCharacters(Kanji, typed, wantGood, kanji);
    CheckControlCharacters(SurnameRequest, typed, wantGood, given);

    CheckReadLimit(StrokePatternRequest, typed, wantGood, kFieldReadLimit, surname);
    CheckReadLimit(Reading, typed, wantGood, kFieldReadLimit, reading);
    CheckReadLimit(Kanji, typed, wantGood, kFieldReadLimit, kanji);
    CheckReadLimit(SurnameRequest, typed, wantGood, kGivenNameReadLimit, given);
}

// Whatever the control left in the buffer, the text is then terminated
// inside it: the longest prefix of whole characters within the limit.
void CheckSeal(const std::string& bytes, std::size_t capacity, std::size_t limit) {
    ExactBuffer field(capacity);
    std::memcpy(field.Data(), bytes.data(), std::min(capacity, bytes.size()));
    const std::string before(field.Data(), capacity);
    const std::size_t length = SealFieldText(field.Data(), capacity, limit);
    if (capacity == 0) {
        FUZZ_CHECK(length == 0);
        return;
    }
    FUZZ_CHECK(length <= limit && length < capacity && field.Data()[length] == '\0');
    FUZZ_CHECK(before.compare(0, length, field.Data(), length) == 0);
    FUZZ_CHECK(CharBoundaryPrefix(field.Data(), length) == length);
    const std::size_t room = std::min(limit, capacity - 1);
    const std::size_t available = strnlen(before.c_str(), room);
    // One byte short only where the last character would be cut.
    FUZZ_CHECK(length == available ||
               (length + 1 == available && CharBoundaryPrefix(before.c_str(), available) == length));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzBytes input(data, size);
    const bool wantGood = input.Byte() & 1;
    const std::size_t capacity = (input.Byte() | input.Byte() << 8) % (kFieldBufferSize + 1);
    const std::size_t limit = (input.Byte() | input.Byte() << 8) % (kFieldBufferSize + 1);
    const std::string bytes = input.Rest();
    CheckSeal(bytes, capacity, limit);
    CheckBuilders(bytes.substr(0, bytes.find('\0')), wantGood);
    return 0;
}
