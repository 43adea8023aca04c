// Where the help file is: beside the program, by its full path, so help
// opens whatever folder the program was started from.
#pragma once

#include <cstddef>

namespace hoshikura {

constexpr char kHelpFileName[] = "Hoshikura.chm";
constexpr char kHelpTopic[] = "::./top.html";

// Writes "<folder of programPath>\Hoshikura.chm::./top.html" into `out`.
// The folder ends at the last backslash that is a character of its own
// (not the second byte of a Shift-JIS character); a path without one gives
// the bare file name. False, with `out` empty, when it does not fit.
bool HelpTopicBeside(const char* programPath, char* out, std::size_t capacity);

}  // namespace hoshikura
