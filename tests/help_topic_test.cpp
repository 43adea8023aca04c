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

TEST(HelpTopicTest, TheFileLiesInTheProgramsFolder) {
    const std::string file = std::string(kHelpFileName) + kHelpTopic;
    EXPECT_EQ(Beside("C:\\Program Files\\Hoshikura\\Hoshikura.exe"),
                     "C:\\Program Files\\Hoshikura\\" + file);
    EXPECT_EQ(Beside("Hoshikura.exe"), file);
    EXPECT_EQ(Beside(""), file);
    // ソ and 表 end in the byte of a backslash: neither ends the folder.
    EXPECT_EQ(Beside("D:\\ソフト\\表\\ho.exe"), "D:\\ソフト\\表\\" + file);
    EXPECT_EQ(Beside("D:\\表"), "D:\\" + file);
}

TEST(HelpTopicTest, APathThatDoesNotFitGivesNothing) {
    const std::string program = "C:\\" + std::string(280, 'a') + "\\Hoshikura.exe";
    EXPECT_EQ(Beside(program.c_str()), "");
    EXPECT_EQ(Beside("C:\\x.exe", 8), "");
}

}  // namespace
}  // namespace hoshikura
