// Bounded handling of Shift-JIS (code page 932) texts.
#pragma once

#include <cstdarg>
#include <cstddef>

namespace hoshikura {

// True when b starts a two-byte Shift-JIS character.
inline bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Length of the longest prefix of text[0..length) that does not end inside a
// two-byte character.
std::size_t CharBoundaryPrefix(const char* text, std::size_t length);

// Copies src into dst (capacity bytes including the NUL), cut on a character
// boundary when it does not fit. dst is always terminated when capacity > 0.
// Returns the number of bytes copied.
std::size_t CopyText(char* dst, std::size_t capacity, const char* src);

// vsnprintf into dst, cut on a character boundary; always terminated.
void FormatTextV(char* dst, std::size_t capacity, const char* format, va_list args);
void FormatText(char* dst, std::size_t capacity, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

}  // namespace hoshikura
