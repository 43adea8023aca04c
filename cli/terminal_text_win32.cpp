#include <windows.h>

#include "terminal_text.h"

namespace hoshikura {

namespace {

constexpr UINT kInternalCodePage = 932;

std::string Convert(const std::string& text, UINT to, UINT from) {
    if (to == from || text.empty()) return text;
    int wideLength = MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (wideLength <= 0) return text;
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), &wide[0], wideLength);
    int length = WideCharToMultiByte(to, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return text;
    std::string out(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(to, 0, wide.data(), wideLength, &out[0], length, nullptr, nullptr);
    return out;
}

// Arguments arrive in the ANSI code page; output goes out in the console's.
UINT OutputCodePage() {
    UINT cp = GetConsoleOutputCP();
    return cp != 0 ? cp : GetACP();
}

}  // namespace

std::string ToInternal(const std::string& external) {
    return Convert(external, kInternalCodePage, GetACP());
}

std::string ToExternal(const std::string& internal) {
    return Convert(internal, OutputCodePage(), kInternalCodePage);
}

}  // namespace hoshikura
