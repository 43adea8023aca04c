// Where the help file is: beside the program, by its full path
// ("<the program's folder>\Hoshikura.chm::./top.html"), so help opens
// whatever folder the program was started from.
#pragma once

namespace hoshikura {

constexpr char kHelpFileName[] = "Hoshikura.chm";
constexpr char kHelpTopic[] = "::./top.html";

}  // namespace hoshikura
