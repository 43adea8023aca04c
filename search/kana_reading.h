// Readings typed in hiragana or katakana, made hiragana.
#pragma once

#include <cstddef>

namespace hoshikura {

// Writes `typed` as hiragana into out (capacity bytes with the NUL): every
// character must be a hiragana or a katakana that has a hiragana twin.
// Returns false, with out empty, for any other character, for an empty text
// and for one that does not fit.
bool HiraganaReading(const char* typed, char* out, std::size_t capacity);

}  // namespace hoshikura
