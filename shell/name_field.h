// The 12-byte name fields of the recent, candidate and rank lists. Fields
// can be filled from outside (the registry, a damaged list), so they are read
// as if they might lack their NUL.
#pragma once

#include <cstddef>
#include <cstdint>
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

constexpr int kNameFieldSize = 12;  // bytes per name field, NUL included

// A caller's name as it fits a field: cut on a character boundary. The copy
// also keeps a list safe when the text points into one of its own fields.
struct BoundedName {
    explicit BoundedName(const char* name) { CopyText(text, sizeof text, name); }
    char text[kNameFieldSize] = {};
};

// The people of a counted list (recent, candidates): a count and the name
// fields of `Capacity` entries, plain data so the bytes can be compared.
template <int Capacity>
struct CPeopleSlots {
    int32_t count;  // entries in use, 0..Capacity
    char surnames[Capacity][kNameFieldSize];
    char givenNames[Capacity][kNameFieldSize];

    // No entries; every name field zeroed so stored bytes are fixed.
    void Clear() {
        count = 0;
        std::memset(surnames, 0, sizeof surnames);
        std::memset(givenNames, 0, sizeof givenNames);
    }

    // The in-use count clamped to 0..Capacity, so a damaged count never
    // indexes past the arrays.
    int32_t Entries() const {
        if (count < 0) return 0;
        return count > Capacity ? Capacity : count;
    }

    // True when an entry in use has both names equal to the given ones.
    bool Holds(const char* surname, const char* givenName) const {
        for (int32_t k = 0; k < Entries(); ++k) {
            if (std::strncmp(surnames[k], surname, kNameFieldSize) == 0 &&
                std::strncmp(givenNames[k], givenName, kNameFieldSize) == 0)
                return true;
        }
        return false;
    }
};

}  // namespace hoshikura
