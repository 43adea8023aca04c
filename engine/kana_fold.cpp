#include "kana_fold.h"

#include "sjis_text.h"

namespace hoshikura {

namespace {

// Katakana ァ..ン are 0x8340..0x8393 without 0x837F; hiragana ぁ..ん are
// 0x829F..0x82F1 in the same order, without a gap.
constexpr unsigned char kKatakanaLead = 0x83;
constexpr unsigned char kHiraganaLead = 0x82;
constexpr unsigned char kFirstKatakana = 0x40;
constexpr unsigned char kKatakanaGap = 0x7F;
constexpr unsigned char kLastKatakana = 0x93;  // ン
constexpr unsigned char kFirstHiragana = 0x9F;

}  // namespace

void FoldKatakana(char* text) {
    for (char* p = text; *p != '\0'; ++p) {
        const unsigned char lead = static_cast<unsigned char>(p[0]);
        if (!IsLeadByte(lead) || p[1] == '\0') continue;
        const unsigned char trail = static_cast<unsigned char>(p[1]);
        if (lead == kKatakanaLead && trail >= kFirstKatakana && trail <= kLastKatakana &&
            trail != kKatakanaGap) {
            const int offset = trail - kFirstKatakana - (trail > kKatakanaGap ? 1 : 0);
            p[0] = static_cast<char>(kHiraganaLead);
            p[1] = static_cast<char>(kFirstHiragana + offset);
        }
        ++p;  // past the trail byte
    }
}

}  // namespace hoshikura
