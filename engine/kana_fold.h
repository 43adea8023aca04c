// Readings typed in katakana are looked up as the hiragana of the data.
#pragma once

namespace hoshikura {

// Turns every full-width katakana of the NUL-terminated Shift-JIS text that
// has a hiragana twin (ァ..ン) into it, in place; ヴ, ヵ, ヶ, the long-vowel
// mark and every other character stay as they are.
void FoldKatakana(char* text);

}  // namespace hoshikura
