// The program's version as every window and the printed page write it.
#pragma once

namespace hoshikura {

// "1.00": the project version with two decimals.
const char* VersionNumberText();

}  // namespace hoshikura
