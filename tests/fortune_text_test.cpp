// The fortune texts as the program holds them (their wording rules are
// checked over the sources by tools/check_fortune_texts.py): whole two-byte
// prose, a text of its own for every number, an error text outside, and
// wrapped at many widths by the Japanese line-break rules, losing nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>

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

// Wrapped at many widths, every line is whole characters within the width,
// none starts or ends with a mark the rules keep off that end, and together
// they are the text.
void ExpectWrappedByTheRules(const std::string& text) {
    for (std::size_t width = 8; width <= 64; width += 2) {
        std::string joined;
        for (const char* rest = text.c_str(); *rest;) {
            const std::size_t bytes = NextLineBytes(rest, [width](std::size_t n) { return n <= width; });
            ASSERT_GT(bytes, 0u) << " at " << width;
            const std::string line(rest, bytes);
            rest += bytes;
            EXPECT_EQ(CharBoundaryPrefix(line.c_str(), bytes), bytes);
            EXPECT_LE(bytes, width) << line;
            for (const char* mark : kNeverFirst) EXPECT_FALSE(!joined.empty() && StartsWith(line, mark)) << line;
            for (const char* mark : kNeverLast) EXPECT_FALSE(*rest && EndsWith(line, mark)) << line;
            joined += line;
        }
        EXPECT_EQ(joined, text) << " at " << width;
    }
}

}  // namespace

TEST(FortuneText, EveryTextIsWholeProseOfItsOwnAndWrapsByTheRules) {
    CFortuneTable table;
    table.LoadBuiltIn();
    for (int kind = 0; kind < kFortuneKinds; ++kind) {
        std::set<std::string> seen;
        int last = 0;  // the numbers with a text run from 1 without a gap
        for (int n = 1; n <= 81; ++n) {
            const std::string text = table.FortuneText(kind, n);
            if (text.empty()) continue;
            SCOPED_TRACE(std::to_string(kind) + "/" + std::to_string(n));
            EXPECT_EQ(last, n - 1);
            last = n;
            EXPECT_TRUE(seen.insert(text).second);
            for (std::size_t i = 0; i < text.size(); i += 2) ASSERT_TRUE(IsLeadByte(static_cast<unsigned char>(text[i])));
            EXPECT_TRUE(EndsWith(text, "。"));
            ExpectWrappedByTheRules(text);
        }
        EXPECT_GT(last, 1) << kind;
    }
    // Outside the table every call gets the one fixed text, never null.
    for (auto [kind, n] : {std::pair{kFortuneKinds, 1}, {-1, 1}, {0, 0}, {0, 82}, {3, 82}, {3, -7}})
        EXPECT_EQ(table.FortuneText(kind, n), kFortuneOutOfRange);
}

// Where a text cannot follow the rules at the widest fit, the line gets
// shorter, down to a single character; where no place follows them, the
// widest fit stands.
TEST(FortuneText, LinesBreakBeforeAnOpeningMarkAndRunsThatCannotBreakStayWhole) {
    const struct {
        const char* text;
        std::size_t width, line;
    } cases[] = {{"山田「太」", 6, 4}, {"山「田」", 4, 2}, {"。。。。。。", 4, 4},
                 {"山田", 0, 2},  // a character wider than the line is a line of its own
                 {"", 4, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(NextLineBytes(c.text, [&c](std::size_t n) { return n <= c.width; }), c.line) << c.text;
}
