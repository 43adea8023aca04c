// Splitting one typed line into surname and given name.
#pragma once

namespace hoshikura {

// Longest name word the strict split accepts: five double-byte characters.
constexpr int kMaxNameBytes = 10;

// Splits `text` at its first run of blanks (half-width 0x20 or full-width
// 0x81 0x40) into two words. Each output receives at most capacity - 1 bytes
// and is always terminated. Returns 1 when both words are usable, 0 otherwise;
// refusals of over-long or half-width words show their message. A word that
// does not fit its buffer is refused; with allowLongGiven the given name has
// no length limit of its own and an oversized one is refused silently.
int SplitFullName(const char* text, char* surnameOut, int surnameCapacity,
                  char* givenOut, int givenCapacity, int allowLongGiven);

}  // namespace hoshikura
