// The one crossing between the program's text and Windows: the program's
// text is Shift-JIS (code page 932) everywhere, every Windows call takes and
// gives UTF-16 (the W functions). Code page 932 is named here, never the
// system's code page, so windows, menus, controls, the registry and drawn
// text are the same on a Japanese Windows and on any other.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace hoshikura {

constexpr UINT kProgramCodePage = 932;

// CP932 text, up to its NUL or `length` bytes, as UTF-16.
std::wstring Wide(const char* text);
std::wstring Wide(const char* text, std::size_t length);

// The first character of a UTF-16 text that CP932 cannot hold: its code
// point and its one or two UTF-16 units, to be named to the user.
struct UnheldCharacter {
    unsigned long code = 0;
    std::wstring units;
};

// UTF-16 text as CP932. False at the first character CP932 cannot hold,
// which `unheld` then names; `out` holds the text before it. A character is
// never replaced by "?" nor by a look-alike.
bool ToCp932(const wchar_t* wide, std::size_t length, std::string& out, UnheldCharacter* unheld = nullptr);
bool ToCp932(const std::wstring& wide, std::string& out, UnheldCharacter* unheld = nullptr);

// Text the program gave Windows, read back as CP932 (what CP932 cannot hold,
// which the program never writes, ends it).
std::string Narrow(const std::wstring& wide);

// A window's text, whole, as UTF-16.
std::wstring WindowText(HWND window);

}  // namespace hoshikura
