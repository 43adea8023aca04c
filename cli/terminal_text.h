// Conversion between the terminal's encoding and the program's Shift-JIS,
// done only at the edge of the command-line tool.
#pragma once

#include <cstdio>
#include <string>

namespace hoshikura {

// Argument argv[index] (UTF-8 on Linux, the command line's own UTF-16 text
// on Windows) as CP932. False when the argument is no valid text (`problem`
// gives the byte offset) or holds a character CP932 cannot hold (`problem`
// names the argument and the character), in the terminal's encoding (the character may have no CP932
// form), so it is written with WriteErrRaw.
bool ArgumentToInternal(char** argv, int index, std::string& internal, std::string& problem);
// A line of a UTF-8 file as CP932; false as above, with `problem` naming the
// line as `where` says ("3行目", CP932).
bool Utf8LineToInternal(const std::string& line, const std::string& where, std::string& internal,
                        std::string& problem);
// CP932 to terminal text: UTF-8 (on Windows written to a console as
// UTF-16, see WriteTerminal).
std::string ToExternal(const std::string& internal);
// Writes terminal text to stdout or stderr; false when it was not all
// written.
bool WriteTerminal(std::FILE* stream, const std::string& external);

}  // namespace hoshikura
