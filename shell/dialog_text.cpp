#include "dialog_text.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "message_sink.h"
#include "name_split.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

// How a search dialog turns what was typed into a line for the splitter.
struct SplitRule {
    std::size_t readLimit;
    const char* prefix;   // placeholder put in front of the typed text
    const char* suffix;   // placeholder put after it
    bool allowLongSecond;
};

constexpr SplitRule kSurnameRule = {kFieldReadLimit, "", kPlaceholderGivenName, false};
constexpr SplitRule kReadingRule = {kFieldReadLimit, "", "", true};
constexpr SplitRule kKanjiRule = {kFieldReadLimit, "", "", true};
constexpr SplitRule kGivenNameRule = {kGivenNameReadLimit, kPlaceholderSurname, "", false};

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

// Splits what was typed, with the rule's placeholders, into the request's
// surname and query.
bool SplitTyped(const char* typed, const SplitRule& rule, SearchKind kind, SearchRequest& request) {
    request = SearchRequest{};
    request.kind = kind;
    char line[kDialogTextSize];
    if (typed == nullptr || !ComposeLine(line, sizeof line, rule, typed)) return false;
    return SplitFullNameOrTell(line, request.surname, sizeof request.surname, request.query,
                               sizeof request.query, rule.allowLongSecond);
}

bool IsControlByte(char c) {
    const unsigned char byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

}  // namespace

std::size_t RemoveControlCharacters(char* text, std::size_t length) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < length;) {
        const bool lead = IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < length;
        const std::size_t size = lead ? 2 : 1;
        // A lead byte before a control character is a broken pair: both go.
        if (!IsControlByte(text[i + size - 1])) {
            std::memmove(text + kept, text + i, size);
            kept += size;
        }
        i += size;
    }
    return kept;
}

std::size_t RemoveControlCharacters(char* text) {
    const std::size_t length = RemoveControlCharacters(text, std::strlen(text));
    text[length] = '\0';
    return length;
}

void RemoveControlCharacters(std::string& text) { text.resize(RemoveControlCharacters(&text[0], text.size())); }

std::size_t SealFieldText(char* text, std::size_t capacity, std::size_t limit) {
    if (capacity == 0) return 0;
    text[capacity - 1] = '\0';
    const std::size_t length = ReadLength(text, std::min(limit, capacity - 1));
    text[length] = '\0';
    return length;
}

UnusableCharacterText UnusableCharacterMessage(unsigned long code) {
    // Variants often typed in names, with the form the stroke table holds.
    static const struct {
        unsigned long code;
        const char* typed;
    } kVariants[] = {{0x20BB7, "吉"}, {0x20B9F, "叱"}, {0x5861, "填"}, {0x525D, "剥"}, {0x9830, "頬"}, {0x3094, "ヴ"}};
    // Spaces and format characters no eye sees, often pasted with a name
    // from a web page: quoting them alone would show 「」.
    const bool invisible = code == 0xA0 || (code >= 0x2000 && code <= 0x200F) || (code >= 0x2028 && code <= 0x202F) ||
                           (code >= 0x205F && code <= 0x2064) || code == 0xFEFF;
    if (invisible)
        return {"目に見えない空白か書式の文字「",
                "」が入っています。このプログラムでは使えないので、名前を入力し直すか、空白は普通の空白で入力してください。"};
    UnusableCharacterText text = {"「", "」は、このプログラムでは使えない文字です。"};
    for (const auto& variant : kVariants)
        if (variant.code == code) return {text.before, text.after + "「" + variant.typed + "」で入力してください。"};
    text.after += "漢字・ひらがな・全角カタカナで、異体字なら標準の字体で入力してください。";
    return text;
}

bool SplitFullNameOrTell(const char* text, char* surnameOut, int surnameCapacity, char* givenOut,
                         int givenCapacity, bool allowLongGiven) {
    std::string name(text);
    RemoveControlCharacters(name);
    const SplitResult result =
        SplitFullName(name.c_str(), surnameOut, surnameCapacity, givenOut, givenCapacity, allowLongGiven);
    if (const char* refusal = SplitRefusalText(result)) ShowMessage("%s", refusal);
    return result == SplitResult::kSplit;
}

bool StrokePatternRequest(const char* typed, bool wantGood, SearchRequest& request) {
    if (!SplitTyped(typed, kSurnameRule, SearchKind::kStrokePatterns, request)) return false;
    request.query[0] = '\0';
    request.wantGood = wantGood;
    return true;
}

bool ReadingRequest(const char* typed, SearchKind kind, SearchRequest& request) {
    return SplitTyped(typed, kReadingRule, kind, request);
}

bool KanjiRequest(const char* typed, SearchRequest& request) {
    constexpr std::size_t kCharacterBytes = 2;
    return SplitTyped(typed, kKanjiRule, SearchKind::kKanji, request) &&
           std::strlen(request.query) == kCharacterBytes;
}

bool SurnameRequest(const char* typed, bool wantGood, SearchRequest& request) {
    if (!SplitTyped(typed, kGivenNameRule, SearchKind::kSurnames, request)) return false;
    request.surname[0] = '\0';
    request.wantGood = wantGood;
    return true;
}

}  // namespace hoshikura
