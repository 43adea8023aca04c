#include "program_version.h"

#include "hoshikura_version.h"
#include "sjis_text.h"

namespace hoshikura {

const char* VersionNumberText() {
    static char text[16] = {};
    if (!text[0]) FormatText(text, sizeof text, "%4.2f", static_cast<double>(HOSHIKURA_VERSION_NUMBER));
    return text;
}

}  // namespace hoshikura
