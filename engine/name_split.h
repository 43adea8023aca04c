// Splitting one typed line into surname and given name.
#pragma once

namespace hoshikura {

// Longest name word the strict split accepts: five double-byte characters.
constexpr int kMaxNameBytes = 10;

enum class SplitResult {
    kSplit,           // both words usable
    kNotAName,        // fewer than two words, or a word too long for its buffer
    kSurnameTooLong,  // more than five double-byte characters
    kGivenTooLong,
    kHalfWidth,       // a word shorter than one double-byte character, or with a
                      // double-byte character after a lone half-width one
};

// Splits `text` at its first run of blanks (half-width 0x20 or full-width
// 0x81 0x40) into two words. Each output receives at most capacity - 1 bytes
// and is always terminated. Says nothing: the caller tells the user (see
// SplitRefusalText). A word that does not fit its buffer is refused; with
// allowLongGiven the given name has no length limit of its own.
SplitResult SplitFullName(const char* text, char* surnameOut, int surnameCapacity,
                          char* givenOut, int givenCapacity, bool allowLongGiven);

// What the user is told for a refused split; null for the refusals that
// pass in silence (not two words, a word beyond its buffer).
const char* SplitRefusalText(SplitResult result);

}  // namespace hoshikura
