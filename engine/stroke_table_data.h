// Built-in stroke table: text k-1 holds the two-byte Shift-JIS codes of every
// character of k strokes, back to back, NUL-terminated.
#pragma once

namespace hoshikura {

constexpr int kMaxStrokes = 30;

extern const char* const kStrokeTexts[kMaxStrokes];

}  // namespace hoshikura
