#include "help_topic.h"

#include <cstring>

#include "sjis_text.h"

namespace hoshikura {

namespace {

// Length of the folder part, its closing backslash included; 0 for none.
std::size_t FolderLength(const char* path) {
    std::size_t folder = 0;
    for (std::size_t i = 0; path[i] != '\0'; ++i) {
        if (IsLeadByte(static_cast<unsigned char>(path[i])) && path[i + 1] != '\0') {
            ++i;
            continue;
        }
        if (path[i] == '\\') folder = i + 1;
    }
    return folder;
}

}  // namespace

bool HelpTopicBeside(const char* programPath, char* out, std::size_t capacity) {
    if (!out || capacity == 0) return false;
    out[0] = '\0';
    const std::size_t folder = programPath ? FolderLength(programPath) : 0;
    const std::size_t length = folder + std::strlen(kHelpFileName) + std::strlen(kHelpTopic);
    if (length >= capacity) return false;
    if (folder) std::memcpy(out, programPath, folder);
    std::strcpy(out + folder, kHelpFileName);
    std::strcat(out, kHelpTopic);
    return true;
}

}  // namespace hoshikura
