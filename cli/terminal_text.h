// Conversion between the terminal's encoding and the program's Shift-JIS,
// done only at the edge of the command-line tool.
#pragma once

#include <string>

namespace hoshikura {

// Terminal text (UTF-8 on Linux, the console code page on Windows) to CP932.
// Characters CP932 cannot hold become '?'.
std::string ToInternal(const std::string& external);
// CP932 to terminal text.
std::string ToExternal(const std::string& internal);

}  // namespace hoshikura
