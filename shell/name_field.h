// The 12-byte name fields of the recent list and the rank lists. Fields can
// be filled from outside (the registry, a damaged list), so they are read as
// if they might lack their NUL.
#pragma once

#include <cstddef>
#include <cstring>

#include "sjis_text.h"

namespace hoshikura {

// Length of the text in a field: up to its NUL, at most fieldSize - 1 bytes,
// never ending inside a two-byte character.
inline std::size_t FieldTextLength(const char* field, std::size_t fieldSize) {
    if (fieldSize == 0) return 0;
    return CharBoundaryPrefix(field, strnlen(field, fieldSize - 1));
}

// Stores text[0..length) (length < fieldSize) and zeroes the rest of the
// field, so the bytes after the text are fixed.
inline void FillField(char* field, std::size_t fieldSize, const char* text, std::size_t length) {
    if (length >= fieldSize) return;
    std::memmove(field, text, length);
    std::memset(field + length, 0, fieldSize - length);
}

}  // namespace hoshikura
