#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>

#include "cli_args.h"
#include "dialog_text.h"
#include "terminal_text.h"
#include "wide_text.h"

namespace hoshikura {

namespace {

// Terminal text is UTF-8, as on Linux: a console gets it as UTF-16, a file
// or a pipe as UTF-8, so Japanese shows whatever the console's code page.
std::string Utf8(const std::wstring& wide) {
    if (wide.empty()) return std::string();
    const int units = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return std::string();
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, &out[0], length, nullptr, nullptr);
    return out;
}

// UTF-8 as UTF-16; false for bytes that are no UTF-8.
bool WideFromUtf8(const std::string& text, std::wstring& wide) {
    wide.clear();
    if (text.empty()) return true;
    const int bytes = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), bytes, nullptr, 0);
    if (units <= 0) return false;
    wide.assign(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), bytes, &wide[0], units);
    return true;
}

// The text as CP932, or the message that names where it came from and the
// character CP932 cannot hold.
bool WideToInternal(const std::wstring& wide, const std::string& where, std::string& internal,
                    std::string& problem) {
    UnheldCharacter unheld;
    if (ToCp932(wide, internal, &unheld)) return true;
    const UnusableCharacterText text = UnusableCharacterMessage(unheld.code);
    problem = ToExternal(where + "の" + text.before) + Utf8(unheld.units) + ToExternal(text.after);
    return false;
}

// The argument as the command line holds it, before the C runtime turned it
// into the ANSI code page (which replaces what it cannot hold by '?').
bool WideArgument(int index, std::wstring& wide) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr) return false;
    const bool found = index < count;
    if (found) wide = arguments[index];
    LocalFree(arguments);
    return found;
}

bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

// The console behind a stream, or null for a file or a pipe.
HANDLE ConsoleOf(std::FILE* stream) {
    HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

}  // namespace

bool ArgumentToInternal(char**, int index, std::string& internal, std::string& problem) {
    std::wstring wide;
    if (!WideArgument(index, wide)) {
        problem = ToExternal("引数を読めません。名前を入力し直してください。");
        return false;
    }
    return WideToInternal(wide, ArgumentOrdinal(index), internal, problem);
}

bool Utf8LineToInternal(const std::string& line, const std::string& where, std::string& internal,
                        std::string& problem) {
    std::wstring wide;
    if (!WideFromUtf8(line, wide)) {
        problem = ToExternal(where + "はUTF-8の文字として読めません。ファイルを文字コードUTF-8で保存し直してください。");
        return false;
    }
    return WideToInternal(wide, where, internal, problem);
}

std::string ToExternal(const std::string& internal) { return Utf8(Wide(internal.data(), internal.size())); }

bool WriteTerminal(std::FILE* stream, const std::string& external) {
    HANDLE console = ConsoleOf(stream);
    if (!console) return std::fwrite(external.data(), 1, external.size(), stream) == external.size();
    std::wstring wide;
    if (!WideFromUtf8(external, wide)) return false;
    std::fflush(stream);
    // In pieces a console of any Windows version takes, never splitting a
    // character of two units.
    constexpr std::size_t kPiece = 8192;
    for (std::size_t at = 0; at < wide.size();) {
        std::size_t length = std::min(kPiece, wide.size() - at);
        if (at + length < wide.size() && IsHighSurrogate(wide[at + length - 1])) --length;
        DWORD written = 0;
        if (!WriteConsoleW(console, wide.data() + at, static_cast<DWORD>(length), &written, nullptr) ||
            written != length)
            return false;
        at += length;
    }
    return true;
}

}  // namespace hoshikura
