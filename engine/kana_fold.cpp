#include "kana_fold.h"

#include <cstring>

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
constexpr unsigned char kLastHiragana = 0xF1;  // ん

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

bool HiraganaReading(const char* typed, char* out, std::size_t capacity) {
    if (capacity == 0) return false;
    out[0] = '\0';
    const std::size_t length = std::strlen(typed);
    if (length == 0 || length % 2 != 0 || length >= capacity) return false;
    std::memcpy(out, typed, length + 1);
    FoldKatakana(out);
    for (std::size_t i = 0; i < length; i += 2) {
        const unsigned char lead = static_cast<unsigned char>(out[i]);
        const unsigned char trail = static_cast<unsigned char>(out[i + 1]);
        if (lead != kHiraganaLead || trail < kFirstHiragana || trail > kLastHiragana) {
            out[0] = '\0';
            return false;
        }
    }
    return true;
}

}  // namespace hoshikura
