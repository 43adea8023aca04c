// Japanese line-break rules for wrapped text: no line starts with a closing
// mark, a small kana or a prolonged-sound mark, and none ends with an
// opening bracket.
#pragma once

#include <cstddef>
#include <functional>

namespace hoshikura {

// True when a line may end between the characters at `before` and `after`
// (each the start of a Shift-JIS character).
bool MayBreakBetween(const char* before, const char* after);

// Bytes of the next line of `text`: the longest prefix that `fits` accepts
// and that ends where a line may end, moved back from the widest fit as far
// as the rules ask. A first character that fits nowhere is still one line,
// and a line runs to its "\n" or the text's end when it fits. Never splits
// a character; 0 only for an empty text.
std::size_t NextLineBytes(const char* text, const std::function<bool(std::size_t)>& fits);

}  // namespace hoshikura
