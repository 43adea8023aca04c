#include "sjis_text.h"

#include <cstdio>
#include <cstring>

namespace hoshikura {

std::size_t CharBoundaryPrefix(const char* text, std::size_t length) {
    std::size_t i = 0;
    while (i < length) {
        std::size_t step = IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
        if (i + step > length) break;
        i += step;
    }
    return i;
}

std::size_t CopyText(char* dst, std::size_t capacity, const char* src) {
    if (capacity == 0) return 0;
    std::size_t length = std::strlen(src);
    if (length > capacity - 1) length = CharBoundaryPrefix(src, capacity - 1);
    std::memmove(dst, src, length);
    dst[length] = '\0';
    return length;
}

void FormatTextV(char* dst, std::size_t capacity, const char* format, va_list args) {
    if (capacity == 0) return;
    int wanted = std::vsnprintf(dst, capacity, format, args);
    if (wanted < 0) {
        dst[0] = '\0';
        return;
    }
    // vsnprintf cuts at a byte; step back to the last whole character.
    if (static_cast<std::size_t>(wanted) >= capacity)
        dst[CharBoundaryPrefix(dst, capacity - 1)] = '\0';
}

void FormatText(char* dst, std::size_t capacity, const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatTextV(dst, capacity, format, args);
    va_end(args);
}

}  // namespace hoshikura
