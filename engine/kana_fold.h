// Readings typed in katakana are looked up as the hiragana of the data.
#pragma once

#include <cstddef>

namespace hoshikura {

// Turns every full-width katakana of the NUL-terminated Shift-JIS text that
// has a hiragana twin (ァ..ン) into it, in place; ヴ, ヵ, ヶ, the long-vowel
// mark and every other character stay as they are.
void FoldKatakana(char* text);

// Writes `typed` as hiragana into out (capacity bytes with the NUL): every
// character must be a hiragana or a katakana that has a hiragana twin.
// Returns false, with out empty, for any other character, for an empty text
// and for one that does not fit.
bool HiraganaReading(const char* typed, char* out, std::size_t capacity);

}  // namespace hoshikura
