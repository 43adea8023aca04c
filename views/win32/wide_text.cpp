#include "wide_text.h"

#include <cstring>

namespace hoshikura {

namespace {

bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(wchar_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The one or two units of the character at wide[0], and its code point.
std::size_t CharacterUnits(const wchar_t* wide, std::size_t left, unsigned long& code) {
    code = static_cast<unsigned long>(wide[0]);
    if (left < 2 || !IsHighSurrogate(wide[0]) || !IsLowSurrogate(wide[1])) return 1;
    code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<unsigned long>(wide[1]) - 0xDC00);
    return 2;
}

// One character as CP932, appended; false when CP932 has no form of it
// (best-fit mapping would write a look-alike without notice).
bool AppendCp932(const wchar_t* character, int units, std::string& out) {
    char bytes[8];
    BOOL defaulted = FALSE;
    const int length = WideCharToMultiByte(kProgramCodePage, WC_NO_BEST_FIT_CHARS, character, units, bytes,
                                           sizeof bytes, nullptr, &defaulted);
    if (length <= 0 || defaulted) return false;
    out.append(bytes, static_cast<std::size_t>(length));
    return true;
}

}  // namespace

std::wstring Wide(const char* text) { return text ? Wide(text, std::strlen(text)) : std::wstring(); }

std::wstring Wide(const char* text, std::size_t length) {
    if (!text || length == 0) return std::wstring();
    const int bytes = static_cast<int>(length);
    const int units = MultiByteToWideChar(kProgramCodePage, 0, text, bytes, nullptr, 0);
    if (units <= 0) return std::wstring();
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(kProgramCodePage, 0, text, bytes, &wide[0], units);
    return wide;
}

bool ToCp932(const wchar_t* wide, std::size_t length, std::string& out, UnheldCharacter* unheld) {
    out.clear();
    for (std::size_t i = 0; i < length;) {
        unsigned long code = 0;
        const std::size_t units = CharacterUnits(wide + i, length - i, code);
        if (!AppendCp932(wide + i, static_cast<int>(units), out)) {
            if (unheld) *unheld = {code, std::wstring(wide + i, units)};
            return false;
        }
        i += units;
    }
    return true;
}

bool ToCp932(const std::wstring& wide, std::string& out, UnheldCharacter* unheld) {
    return ToCp932(wide.data(), wide.size(), out, unheld);
}

std::string Narrow(const std::wstring& wide) {
    std::string text;
    ToCp932(wide, text);
    return text;
}

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return std::wstring();
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

}  // namespace hoshikura
