#include "name_split.h"

#include <cstring>

#include "sjis_text.h"

namespace hoshikura {

namespace {

// Length of the separator starting at p: 1, 2, or 0 when p starts none.
int SeparatorAt(const char* p) {
    if (p[0] == ' ') return 1;
    if (static_cast<unsigned char>(p[0]) == 0x81 && static_cast<unsigned char>(p[1]) == 0x40)
        return 2;
    return 0;
}

const char* SkipSeparators(const char* p) {
    for (int n; (n = SeparatorAt(p)) != 0;) p += n;
    return p;
}

// Length of the word starting at p: up to the NUL or the next separator.
int WordLength(const char* p) {
    int length = 0;
    while (p[length] != '\0' && SeparatorAt(p + length) == 0) ++length;
    return length;
}

// Copies as much of the word as fits, cut on a character boundary; the
// caller refuses words that do not fit.
void CopyWord(char* out, int capacity, const char* word, int length) {
    if (capacity <= 0) return;
    std::size_t copied = static_cast<std::size_t>(length);
    if (length > capacity - 1) copied = CharBoundaryPrefix(word, static_cast<std::size_t>(capacity - 1));
    std::memcpy(out, word, copied);
    out[copied] = '\0';
}

// True when a double-byte character of the word starts at an odd byte, after
// a lone half-width one ("a太"): the judgement takes a name two bytes a
// character, so such a word would be read as pieces of characters.
bool Misaligned(const char* word, int length) {
    for (int i = 0; i < length;) {
        const bool lead = IsLeadByte(static_cast<unsigned char>(word[i])) && i + 1 < length;
        if (lead && i % 2 != 0) return true;
        i += lead ? 2 : 1;
    }
    return false;
}

}  // namespace

SplitResult SplitFullName(const char* text, char* surnameOut, int surnameCapacity,
                          char* givenOut, int givenCapacity, bool allowLongGiven) {
    if (surnameCapacity > 0) surnameOut[0] = '\0';
    if (givenCapacity > 0) givenOut[0] = '\0';
    if (text == nullptr || text[0] == '\0') return SplitResult::kNotAName;

    const char* surname = SkipSeparators(text);
    if (*surname == '\0') return SplitResult::kNotAName;
    const int surnameLength = WordLength(surname);
    // A single word is not a name.
    if (surname[surnameLength] == '\0') return SplitResult::kNotAName;
    CopyWord(surnameOut, surnameCapacity, surname, surnameLength);

    const char* given = SkipSeparators(surname + surnameLength);
    if (*given == '\0') return SplitResult::kNotAName;
    const int givenLength = WordLength(given);
    CopyWord(givenOut, givenCapacity, given, givenLength);

    if (surnameLength > kMaxNameBytes) return SplitResult::kSurnameTooLong;
    if (!allowLongGiven && givenLength > kMaxNameBytes) return SplitResult::kGivenTooLong;
    if (surnameLength >= surnameCapacity || givenLength >= givenCapacity)
        return SplitResult::kNotAName;
    if (surnameLength < 2 || givenLength < 2) return SplitResult::kHalfWidth;
    if (Misaligned(surname, surnameLength) || Misaligned(given, givenLength)) return SplitResult::kHalfWidth;
    return SplitResult::kSplit;
}

const char* SplitRefusalText(SplitResult result) {
    switch (result) {
    case SplitResult::kSurnameTooLong:
        return "姓の文字数は５文字以内です。";
    case SplitResult::kGivenTooLong:
        return "名の文字数は５文字以内です。";
    case SplitResult::kHalfWidth:
        return "半角文字は使用できません。";
    default:
        return nullptr;
    }
}

}  // namespace hoshikura
