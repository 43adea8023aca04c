#include <iconv.h>

#include <cerrno>

#include "terminal_text.h"

namespace hoshikura {

namespace {

std::string Convert(const std::string& text, const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return text;
    std::string out;
    char buffer[256];
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            // An unconvertible or broken sequence: mark it and go on.
            out.push_back('?');
            ++in;
            --inLeft;
        }
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::string ToInternal(const std::string& external) { return Convert(external, "CP932", "UTF-8"); }

std::string ToExternal(const std::string& internal) { return Convert(internal, "UTF-8", "CP932"); }

}  // namespace hoshikura
