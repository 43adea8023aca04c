#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "fortune_table.h"
#include "sjis_text.h"

using namespace hoshikura;

namespace {

const CFortuneTable& Table() {
    static CFortuneTable* table = [] {
        auto* t = new CFortuneTable;
        t->LoadBuiltIn();
        return t;
    }();
    return *table;
}

struct Range {
    size_t min, max;
    int lastNumber;
};
const Range kRanges[kFortuneKinds] = {{74, 394, 71}, {34, 306, 71}, {32, 322, 71}, {102, 446, 81}};
constexpr int kMinCharacters = 40;
constexpr int kMaxSentences = 6;

bool IsSentenceEnd(const char* p) {
    for (const char* mark : {"。", "！", "？"})
        if (std::strncmp(p, mark, 2) == 0) return true;
    return false;
}

// Characters and sentences of a text made of two-byte characters only;
// characters is -1 when a byte outside a two-byte character is met, so no
// line break, tab, '%' or other half-width byte can hide in the prose.
struct Prose {
    int characters = 0;
    int sentences = 0;
    bool endsWithSentence = false;
};

Prose ReadProse(const char* text) {
    Prose prose;
    for (const char* p = text; *p; p += 2) {
        if (!IsLeadByte(static_cast<unsigned char>(*p)) || p[1] == '\0') return {-1, 0, false};
        ++prose.characters;
        prose.endsWithSentence = IsSentenceEnd(p);
        prose.sentences += prose.endsWithSentence;
    }
    return prose;
}

}  // namespace

TEST(FortuneTable, EveryTextHasTheLengthOfItsKindOrIsEmpty) {
    for (int kind = 0; kind < kFortuneKinds; ++kind) {
        for (int n = 1; n <= 81; ++n) {
            const size_t length = std::strlen(Table().FortuneText(kind, n));
            if (n > kRanges[kind].lastNumber) {
                EXPECT_EQ(length, 0u) << kind << "/" << n;
            } else {
                EXPECT_GE(length, kRanges[kind].min) << kind << "/" << n;
                EXPECT_LE(length, kRanges[kind].max) << kind << "/" << n;
            }
        }
    }
}

TEST(FortuneTable, EveryTextIsAParagraphOfWholeSentences) {
    for (int kind = 0; kind < kFortuneKinds; ++kind) {
        for (int n = 1; n <= kRanges[kind].lastNumber; ++n) {
            const Prose prose = ReadProse(Table().FortuneText(kind, n));
            EXPECT_GE(prose.characters, kMinCharacters) << kind << "/" << n;
            EXPECT_GE(prose.sentences, 1) << kind << "/" << n;
            EXPECT_LE(prose.sentences, kMaxSentences) << kind << "/" << n;
            EXPECT_TRUE(prose.endsWithSentence) << kind << "/" << n;
        }
    }
}

TEST(FortuneTable, NoTextIsACopyOfAnother) {
    for (int kind = 0; kind < kFortuneKinds; ++kind)
        for (int a = 1; a <= 71; ++a)
            for (int b = a + 1; b <= 71; ++b)
                EXPECT_STRNE(Table().FortuneText(kind, a), Table().FortuneText(kind, b)) << kind;
}

TEST(FortuneTable, OutOfRangeNeverFails) {
    for (auto [kind, n] : {std::pair{4, 1}, {-1, 1}, {0, 0}, {0, 82}, {3, 82}, {3, -7}})
        EXPECT_STREQ(Table().FortuneText(kind, n), "エラー（out range of index）");
}
