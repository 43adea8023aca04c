#include <iconv.h>

#include "cli_args.h"
#include "dialog_text.h"
#include "sjis_text.h"
#include "terminal_text.h"

namespace hoshikura {

namespace {

// The well-formed UTF-8 character at text[i]: its length and code point.
// False for a stray continuation byte, an overlong form, a surrogate, a
// code beyond U+10FFFF or a character cut off at the end.
bool DecodeUtf8(const std::string& text, std::size_t i, std::size_t& length, unsigned long& code) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    length = c < 0x80 ? 1 : c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    code = length == 1 ? c : c & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char t = static_cast<unsigned char>(text[i + k]);
        if ((t & 0xC0) != 0x80) return false;
        code = code << 6 | (t & 0x3F);
    }
    const unsigned long least[] = {0, 0, 0x80, 0x800, 0x10000};
    return code >= least[length] && (code < 0xD800 || code > 0xDFFF) && code <= 0x10FFFF;
}

// One character converted, or false when the target encoding lacks it.
bool ConvertOne(iconv_t cd, const char* in, std::size_t length, std::string& out) {
    char buffer[16];
    char* from = const_cast<char*>(in);
    char* to = buffer;
    std::size_t inLeft = length, outLeft = sizeof buffer;
    if (iconv(cd, &from, &inLeft, &to, &outLeft) == static_cast<std::size_t>(-1)) return false;
    out.append(buffer, static_cast<std::size_t>(to - buffer));
    return true;
}

constexpr char kRetypeAdvice[] = "UTF-8の文字で入力し直してください。";
constexpr char kResaveAdvice[] = "ファイルを文字コードUTF-8で保存し直してください。";

std::string Unreadable(const std::string& where, std::size_t offset, const char* advice) {
    return ToExternal(where + "の" + std::to_string(offset + 1) + "バイト目はUTF-8の文字として読めません。" + advice);
}

std::string NotInCp932(const std::string& where, const std::string& character, unsigned long code) {
    const UnusableCharacterText text = UnusableCharacterMessage(code);
    return ToExternal(where + "の" + text.before) + character + ToExternal(text.after);
}

// UTF-8 text as CP932; `where` names the text in a message.
bool Utf8ToInternal(const std::string& text, const std::string& where, const char* advice, std::string& internal,
                    std::string& problem) {
    internal.clear();
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        problem = ToExternal("文字コードを変換できません。");
        return false;
    }
    bool ok = true;
    for (std::size_t i = 0; ok && i < text.size();) {
        std::size_t length = 0;
        unsigned long code = 0;
        if (!DecodeUtf8(text, i, length, code)) {
            problem = Unreadable(where, i, advice);
            ok = false;
        } else if (!ConvertOne(cd, text.data() + i, length, internal)) {
            problem = NotInCp932(where, text.substr(i, length), code);
            ok = false;
        }
        i += length;
    }
    iconv_close(cd);
    return ok;
}

}  // namespace

bool ArgumentToInternal(char** argv, int index, std::string& internal, std::string& problem) {
    return Utf8ToInternal(argv[index], ArgumentOrdinal(index), kRetypeAdvice, internal, problem);
}

bool Utf8LineToInternal(const std::string& line, const std::string& where, std::string& internal,
                        std::string& problem) {
    return Utf8ToInternal(line, where, kResaveAdvice, internal, problem);
}

std::string ToExternal(const std::string& internal) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return internal;
    std::string out;
    for (std::size_t i = 0; i < internal.size();) {
        const std::size_t length = IsLeadByte(static_cast<unsigned char>(internal[i])) ? 2 : 1;
        if (i + length > internal.size() || !ConvertOne(cd, internal.data() + i, length, out)) out += '?';
        i += length;
    }
    iconv_close(cd);
    return out;
}

bool WriteTerminal(std::FILE* stream, const std::string& external) {
    return std::fwrite(external.data(), 1, external.size(), stream) == external.size();
}

}  // namespace hoshikura
