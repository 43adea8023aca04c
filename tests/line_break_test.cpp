// Wrapping every fortune text at many widths keeps the Japanese line-break
// rules and loses nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "fortune_table.h"
#include "line_break.h"
#include "sjis_text.h"

using namespace hoshikura;

namespace {

const char* const kNeverFirst[] = {"。", "、", "）", "」", "っ", "ゃ", "ョ"};
const char* const kNeverLast[] = {"（", "「"};

bool StartsWith(const std::string& text, const char* piece) { return text.rfind(piece, 0) == 0; }

bool EndsWith(const std::string& text, const char* piece) {
    const std::size_t n = std::strlen(piece);
    return text.size() >= n && text.compare(text.size() - n, n, piece) == 0;
}

// Lines of `text` with every line at most `width` bytes wide where it can.
std::vector<std::string> Wrap(const char* text, std::size_t width) {
    std::vector<std::string> lines;
    while (*text) {
        auto fits = [width](std::size_t n) { return n <= width; };
        const std::size_t bytes = NextLineBytes(text, fits);
        if (bytes == 0) break;
        lines.emplace_back(text, bytes);
        text += bytes;
    }
    return lines;
}

TEST(LineBreakTest, EveryFortuneTextWrapsByTheRulesAtEveryWidth) {
    CFortuneTable table;
    table.LoadBuiltIn();
    for (int kind = 0; kind < kFortuneKinds; ++kind)
        for (int n = 1; n <= 81; ++n) {
            const char* text = table.FortuneText(kind, n);
            for (std::size_t width = 8; width <= 64; width += 2) {
                const std::vector<std::string> lines = Wrap(text, width);
                std::string joined;
                for (std::size_t i = 0; i < lines.size(); ++i) {
                    const std::string& line = lines[i];
                    joined += line;
                    EXPECT_EQ(CharBoundaryPrefix(line.c_str(), line.size()), line.size());
                    EXPECT_LE(line.size(), width) << line;
                    for (const char* mark : kNeverFirst)
                        EXPECT_FALSE(i > 0 && StartsWith(line, mark)) << line;
                    for (const char* mark : kNeverLast)
                        EXPECT_FALSE(i + 1 < lines.size() && EndsWith(line, mark)) << line;
                }
                ASSERT_EQ(joined, text) << kind << " " << n << " at " << width;
            }
        }
}

TEST(LineBreakTest, ARunOfMarksThatCannotBreakStaysWhole) {
    // Nowhere to break by the rules: the widest fit is kept.
    const char text[] = "。。。。。。";
    EXPECT_EQ(NextLineBytes(text, [](std::size_t n) { return n <= 4; }), 4u);
    // A character wider than the line is a line of its own.
    EXPECT_EQ(NextLineBytes("山田", [](std::size_t) { return false; }), 2u);
    EXPECT_EQ(NextLineBytes("", [](std::size_t) { return true; }), 0u);
}

}  // namespace
