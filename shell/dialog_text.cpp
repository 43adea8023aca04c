#include "dialog_text.h"

#include <algorithm>
#include <cstring>

#include "name_split.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

// How a search dialog turns what was typed into a line for the splitter.
struct SplitRule {
    std::size_t readLimit;
    const char* prefix;   // placeholder put in front of the typed text
    const char* suffix;   // placeholder put after it
    int allowLongSecond;
};

constexpr SplitRule kSurnameRule = {kFieldReadLimit, "", kPlaceholderGivenName, 0};
constexpr SplitRule kReadingRule = {kFieldReadLimit, "", "", 1};
constexpr SplitRule kKanjiRule = {kFieldReadLimit, "", "", 1};
constexpr SplitRule kGivenNameRule = {kGivenNameReadLimit, kPlaceholderSurname, "", 0};

static_assert(kFieldReadLimit + kPlaceholderBytes + 1 <= kDialogTextSize &&
                  kGivenNameReadLimit + kPlaceholderBytes + 1 <= kDialogTextSize,
              "a read text with its placeholder fits the split buffer");

// Length of the part of text a dialog reads: at most limit bytes, never
// ending inside a two-byte character.
std::size_t ReadLength(const char* text, std::size_t limit) {
    return CharBoundaryPrefix(text, strnlen(text, limit));
}

// prefix + the read part of typed + suffix into out; false when it does not
// fit, which the buffer sizes above rule out.
bool ComposeLine(char* out, std::size_t capacity, const SplitRule& rule, const char* typed) {
    const std::size_t prefixLength = std::strlen(rule.prefix);
    const std::size_t typedLength = ReadLength(typed, rule.readLimit);
    const std::size_t suffixLength = std::strlen(rule.suffix);
    if (prefixLength + typedLength + suffixLength >= capacity) return false;
    char* p = out;
    std::memcpy(p, rule.prefix, prefixLength);
    p += prefixLength;
    std::memcpy(p, typed, typedLength);
    p += typedLength;
    std::memcpy(p, rule.suffix, suffixLength);
    p[suffixLength] = '\0';
    return true;
}

bool SplitTyped(const char* typed, const SplitRule& rule, SearchWords& words) {
    words.first[0] = '\0';
    words.second[0] = '\0';
    char line[kDialogTextSize];
    if (typed == nullptr || !ComposeLine(line, sizeof line, rule, typed)) return false;
    return SplitFullName(line, words.first, sizeof words.first, words.second,
                         sizeof words.second, rule.allowLongSecond) != 0;
}

const char* SearchFlag(bool wantGood) { return wantGood ? kGoodFlag : kBadFlag; }

}  // namespace

std::size_t SealFieldText(char* text, std::size_t capacity, std::size_t limit) {
    if (capacity == 0) return 0;
    text[capacity - 1] = '\0';
    const std::size_t length = ReadLength(text, std::min(limit, capacity - 1));
    text[length] = '\0';
    return length;
}

bool SurnameSearchWords(const char* typed, bool wantGood, SearchWords& words) {
    if (!SplitTyped(typed, kSurnameRule, words)) return false;
    CopyText(words.second, sizeof words.second, SearchFlag(wantGood));
    return true;
}

bool ReadingSearchWords(const char* typed, SearchWords& words) {
    return SplitTyped(typed, kReadingRule, words);
}

bool KanjiSearchWords(const char* typed, SearchWords& words) {
    constexpr std::size_t kCharacterBytes = 2;
    return SplitTyped(typed, kKanjiRule, words) && std::strlen(words.second) == kCharacterBytes;
}

bool GivenNameSearchWords(const char* typed, bool wantGood, SearchWords& words) {
    if (!SplitTyped(typed, kGivenNameRule, words)) return false;
    CopyText(words.first, sizeof words.first, SearchFlag(wantGood));
    return true;
}

}  // namespace hoshikura
