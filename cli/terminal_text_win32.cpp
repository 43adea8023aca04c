#include <windows.h>
#include <shellapi.h>

#include "cli_args.h"
#include "terminal_text.h"

namespace hoshikura {

namespace {

constexpr UINT kInternalCodePage = 932;

// Output goes out in the console's code page.
UINT OutputCodePage() {
    UINT cp = GetConsoleOutputCP();
    return cp != 0 ? cp : GetACP();
}

// Wide text in a code page; false when a character has no form there.
bool FromWide(const wchar_t* wide, int length, UINT codePage, std::string& out) {
    out.clear();
    if (length == 0) return true;
    BOOL usedDefault = FALSE;
    // Best-fit mapping would turn characters into look-alikes without notice.
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL* defaulted = codePage == CP_UTF8 ? nullptr : &usedDefault;
    int size = WideCharToMultiByte(codePage, flags, wide, length, nullptr, 0, nullptr, defaulted);
    if (size <= 0 || usedDefault) return false;
    out.assign(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(codePage, flags, wide, length, &out[0], size, nullptr, defaulted);
    return !usedDefault;
}

std::wstring ToWide(const std::string& text, UINT codePage, DWORD flags) {
    int length = MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

// "<where>の「X」は…": the character as the console can show it ("その文字"
// when it cannot), and what to type instead.
std::string NotInCp932(const std::string& where, const wchar_t* character, int length) {
    unsigned long code = static_cast<unsigned long>(character[0]);
    if (length == 2) code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<unsigned long>(character[1]) - 0xDC00);
    std::string shown;
    const std::string named = FromWide(character, length, OutputCodePage(), shown)
                                  ? ToExternal(where + "の「") + shown + ToExternal("」")
                                  : ToExternal(where + "のその文字");
    return named + ToExternal(UnusableCharacterAdvice(code));
}

// The wide argument as CP932, character by character so that the first
// character without a CP932 form can be named.
bool WideToInternal(const std::wstring& wide, const std::string& where, std::string& internal, std::string& problem) {
    internal.clear();
    for (size_t i = 0; i < wide.size();) {
        const bool pair = wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < wide.size() &&
                          wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF;
        const int length = pair ? 2 : 1;
        std::string one;
        if (!FromWide(wide.data() + i, length, kInternalCodePage, one)) {
            problem = NotInCp932(where, wide.data() + i, length);
            return false;
        }
        internal += one;
        i += static_cast<size_t>(length);
    }
    return true;
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

}  // namespace

bool ArgumentToInternal(char** argv, int index, std::string& internal, std::string& problem) {
    std::wstring wide;
    if (!WideArgument(index, wide)) {
        wide = ToWide(argv[index], GetACP(), MB_ERR_INVALID_CHARS);
        if (wide.empty() && argv[index][0] != '\0') {
            problem = ToExternal("引数を読めません。名前を入力し直してください。");
            return false;
        }
    }
    return WideToInternal(wide, ArgumentOrdinal(index), internal, problem);
}

bool Utf8LineToInternal(const std::string& line, const std::string& where, std::string& internal,
                        std::string& problem) {
    const std::wstring wide = ToWide(line, CP_UTF8, MB_ERR_INVALID_CHARS);
    if (wide.empty() && !line.empty()) {
        problem = ToExternal(where + "はUTF-8の文字として読めません。ファイルを文字コードUTF-8で保存し直してください。");
        return false;
    }
    return WideToInternal(wide, where, internal, problem);
}

std::string ToExternal(const std::string& internal) {
    const UINT to = OutputCodePage();
    if (to == kInternalCodePage || internal.empty()) return internal;
    const std::wstring wide = ToWide(internal, kInternalCodePage, 0);
    std::string out;
    int length = WideCharToMultiByte(to, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    if (length <= 0) return internal;
    out.assign(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(to, 0, wide.data(), static_cast<int>(wide.size()), &out[0], length, nullptr, nullptr);
    return out;
}

}  // namespace hoshikura
