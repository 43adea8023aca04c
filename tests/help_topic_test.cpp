// The help file's full path is built from the program's own path.
#include <gtest/gtest.h>

#include <string>

#include "help_topic.h"

namespace hoshikura {
namespace {

std::string Beside(const char* program, std::size_t capacity = 300) {
    char out[300] = "unchanged";
    const bool written = HelpTopicBeside(program, out, capacity);
    EXPECT_EQ(written, out[0] != '\0') << program;
    return out;
}

TEST(HelpTopicTest, TheFileLiesInTheProgramsFolderOrIsNothingWhenItDoesNotFit) {
    const std::string file = std::string(kHelpFileName) + kHelpTopic;
    const std::string tooLong = "C:\\" + std::string(280, 'a') + "\\Hoshikura.exe";
    const struct {
        std::string program, expected;
        std::size_t capacity = 300;
    } cases[] = {
        {"C:\\Program Files\\Hoshikura\\Hoshikura.exe", "C:\\Program Files\\Hoshikura\\" + file},
        {"Hoshikura.exe", file}, {"", file},
        // ソ and 表 end in the byte of a backslash: neither ends the folder.
        {"D:\\ソフト\\表\\ho.exe", "D:\\ソフト\\表\\" + file}, {"D:\\表", "D:\\" + file},
        {tooLong, ""}, {"C:\\x.exe", "", 8},
    };
    for (const auto& c : cases) EXPECT_EQ(Beside(c.program.c_str(), c.capacity), c.expected) << c.program;
}

}  // namespace
}  // namespace hoshikura
