// The fortune texts as the program holds them (their wording rules are
// checked over the sources by tools/check_fortune_texts.py): whole two-byte
// prose, a text of its own for every number, an error text outside.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "fortune_table.h"
#include "sjis_text.h"

using namespace hoshikura;

TEST(FortuneTable, EveryTextIsWholeProseOfItsOwn) {
    CFortuneTable table;
    table.LoadBuiltIn();
    for (int kind = 0; kind < kFortuneKinds; ++kind) {
        std::set<std::string> seen;
        int last = 0;  // the numbers with a text run from 1 without a gap
        for (int n = 1; n <= 81; ++n) {
            const std::string text = table.FortuneText(kind, n);
            if (text.empty()) continue;
            EXPECT_EQ(last, n - 1) << kind << "/" << n;
            last = n;
            EXPECT_TRUE(seen.insert(text).second) << kind << "/" << n;
            EXPECT_EQ(CharBoundaryPrefix(text.c_str(), text.size()), text.size()) << kind << "/" << n;
            for (std::size_t i = 0; i < text.size(); i += 2)
                ASSERT_TRUE(IsLeadByte(static_cast<unsigned char>(text[i]))) << kind << "/" << n;
            EXPECT_EQ(text.substr(text.size() - 2), "。") << kind << "/" << n;
        }
        EXPECT_GT(last, 1) << kind;
    }
    for (auto [kind, n] : {std::pair{kFortuneKinds, 1}, {-1, 1}, {0, 0}, {0, 82}, {3, 82}, {3, -7}})
        EXPECT_STREQ(table.FortuneText(kind, n), "エラー（out range of index）");
}
