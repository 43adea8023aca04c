// SplitFullName on any line, with both values of allowLongGiven and the
// buffer sizes its callers use. Input: allowLongGiven, surname and given
// buffer choices (one byte each), then the line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "dialog_text.h"
#include "fuzz_support.h"
#include "name_record.h"
#include "name_split.h"
#include "ranking.h"
#include "recording_sink.h"
#include "sjis_text.h"
#include "surname_search.h"

using namespace hoshikura;

namespace {

const char kSurnameTooLong[] = "姓の文字数は５文字以内です。";
const char kGivenTooLong[] = "名の文字数は５文字以内です。";
const char kHalfWidth[] = "半角文字は使用できません。";

// -1 stands for the whole line and its NUL, as the CLI's query split gives.
const int kCapacities[] = {0, 1, 2, 3, 11, kSurnameFieldSize, kGivenFieldSize, kNameTextSize,
                           kDialogTextSize, -1};
constexpr int kCapacityChoices = sizeof kCapacities / sizeof kCapacities[0];

struct Split {
    int result;
    std::string surname;
    std::string given;
    std::vector<std::string> messages;
};

Split Run(const std::string& line, int surnameCapacity, int givenCapacity, bool allowLongGiven) {
    ExactBuffer surname(static_cast<std::size_t>(surnameCapacity));
    ExactBuffer given(static_cast<std::size_t>(givenCapacity));
    RecordingSink sink;
    const int result = SplitFullNameOrTell(line.c_str(), surname.Data(), surname.Capacity(), given.Data(),
                                           given.Capacity(), allowLongGiven);
    // Every output is terminated inside its buffer, whatever the outcome.
    FUZZ_CHECK(surnameCapacity == 0 || surname.Terminated());
    FUZZ_CHECK(givenCapacity == 0 || given.Terminated());
    FUZZ_CHECK(sink.shown.size() <= 1);
    return {result, surname.Text(), given.Text(), sink.shown};
}

bool SeparatorAt(const std::string& s, std::size_t i) {
    return s[i] == ' ' || (static_cast<unsigned char>(s[i]) == 0x81 && i + 1 < s.size() && s[i + 1] == 0x40);
}

bool HoldsSeparator(const std::string& word) {
    for (std::size_t i = 0; i < word.size(); ++i)
        if (SeparatorAt(word, i)) return true;
    return false;
}

std::size_t SeparatorRunEnd(const std::string& s, std::size_t i) {
    while (i < s.size() && SeparatorAt(s, i)) i += s[i] == ' ' ? 1 : 2;
    return i;
}

// Read two bytes a character, as the judgement reads a name, the word is cut
// inside a character somewhere (a double-byte one after a lone half-width).
bool CutInsideACharacter(const std::string& word) {
    for (std::size_t i = 2; i <= word.size(); i += 2)
        if (CharBoundaryPrefix(word.c_str(), i) != i) return true;
    return false;
}

// With room for everything: the words are the line's first two, in place.
void CheckWholeLineSplit(const std::string& line, const Split& split, int allowLongGiven) {
    const std::size_t surnameAt = SeparatorRunEnd(line, 0);
    FUZZ_CHECK(line.compare(surnameAt, split.surname.size(), split.surname) == 0);
    FUZZ_CHECK(!HoldsSeparator(split.surname) && !HoldsSeparator(split.given));
    for (const std::string& message : split.messages) {
        if (message == kSurnameTooLong) FUZZ_CHECK(split.surname.size() > kMaxNameBytes);
        else if (message == kGivenTooLong) FUZZ_CHECK(!allowLongGiven && split.given.size() > kMaxNameBytes);
        else FUZZ_CHECK(message == kHalfWidth && (split.surname.size() < 2 || split.given.size() < 2 ||
                                                  CutInsideACharacter(split.surname) ||
                                                  CutInsideACharacter(split.given)));
    }
    if (!split.given.empty()) {
        const std::size_t givenAt = SeparatorRunEnd(line, surnameAt + split.surname.size());
        FUZZ_CHECK(givenAt > surnameAt + split.surname.size());
        FUZZ_CHECK(line.compare(givenAt, split.given.size(), split.given) == 0);
        const std::size_t after = givenAt + split.given.size();
        FUZZ_CHECK(after == line.size() || SeparatorAt(line, after));
    }
    if (split.result == 0) return;
    FUZZ_CHECK(split.messages.empty());
    FUZZ_CHECK(split.surname.size() >= 2 && split.surname.size() <= kMaxNameBytes);
    FUZZ_CHECK(split.given.size() >= 2 && (allowLongGiven || split.given.size() <= kMaxNameBytes));
    FUZZ_CHECK(!CutInsideACharacter(split.surname) && !CutInsideACharacter(split.given));
}

// A smaller buffer holds a prefix of the word, cut on a character boundary,
// and can only turn a success into a silent refusal.
void CheckWordInBuffer(const std::string& whole, const std::string& got, int capacity) {
    if (capacity == 0) return;
    FUZZ_CHECK(whole.compare(0, got.size(), got) == 0);
    if (got.size() < whole.size())
        FUZZ_CHECK(got.size() == CharBoundaryPrefix(whole.c_str(), static_cast<std::size_t>(capacity - 1)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzBytes input(data, size);
    const int allowLongGiven = input.Byte() & 1;
    const int surnameChoice = kCapacities[input.Byte() % kCapacityChoices];
    const int givenChoice = kCapacities[input.Byte() % kCapacityChoices];
    const std::string line = input.Text();
    const int wholeLine = static_cast<int>(line.size() + 1);
    const int surnameCapacity = surnameChoice < 0 ? wholeLine : surnameChoice;
    const int givenCapacity = givenChoice < 0 ? wholeLine : givenChoice;

    const Split whole = Run(line, wholeLine, wholeLine, allowLongGiven);
    CheckWholeLineSplit(line, whole, allowLongGiven);

    const Split small = Run(line, surnameCapacity, givenCapacity, allowLongGiven);
    CheckWordInBuffer(whole.surname, small.surname, surnameCapacity);
    CheckWordInBuffer(whole.given, small.given, givenCapacity);
    const bool fits = static_cast<int>(whole.surname.size()) < surnameCapacity &&
                      static_cast<int>(whole.given.size()) < givenCapacity;
    FUZZ_CHECK(small.result == (whole.result && fits ? 1 : 0));
    // The length messages come first; a word that does not fit is refused
    // silently before the half-width check.
    const bool halfWidthOnly = whole.messages.size() == 1 && whole.messages[0] == kHalfWidth;
    if (!fits && halfWidthOnly)
        FUZZ_CHECK(small.messages.empty());
    else
        FUZZ_CHECK(small.messages == whole.messages);

    // Lifting the given name's limit never refuses a line the strict split takes.
    const Split other = Run(line, wholeLine, wholeLine, !allowLongGiven);
    const Split& strict = allowLongGiven ? other : whole;
    const Split& lenient = allowLongGiven ? whole : other;
    FUZZ_CHECK(strict.result <= lenient.result);
    if (strict.result) FUZZ_CHECK(strict.surname == lenient.surname && strict.given == lenient.given);
    return 0;
}
