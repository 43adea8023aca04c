#include "kana_reading.h"

#include <cstring>

namespace hoshikura {

namespace {

// Code page 932: hiragana ぁ..ん are 82 9F..82 F1; katakana ァ..ミ are
// 83 40..83 7E and ム..ン 83 80..83 93 (83 7F is unused), in the same order.
constexpr unsigned char kHiraganaLead = 0x82;
constexpr unsigned char kHiraganaFirst = 0x9F;
constexpr unsigned char kHiraganaLast = 0xF1;
constexpr unsigned char kKatakanaLead = 0x83;
constexpr unsigned char kKatakanaFirst = 0x40;
constexpr unsigned char kKatakanaGap = 0x7F;
constexpr unsigned char kKatakanaLast = 0x93;

// The hiragana trail byte of one kana, or 0 when it is none.
unsigned char HiraganaTrail(unsigned char lead, unsigned char trail) {
    if (lead == kHiraganaLead && trail >= kHiraganaFirst && trail <= kHiraganaLast) return trail;
    if (lead != kKatakanaLead || trail < kKatakanaFirst || trail > kKatakanaLast ||
        trail == kKatakanaGap)
        return 0;
    const int offset = trail - kKatakanaFirst - (trail > kKatakanaGap ? 1 : 0);
    return static_cast<unsigned char>(kHiraganaFirst + offset);
}

}  // namespace

bool HiraganaReading(const char* typed, char* out, std::size_t capacity) {
    if (capacity == 0) return false;
    out[0] = '\0';
    const std::size_t length = std::strlen(typed);
    if (length == 0 || length % 2 != 0 || length >= capacity) return false;
    for (std::size_t i = 0; i < length; i += 2) {
        const unsigned char trail = HiraganaTrail(static_cast<unsigned char>(typed[i]),
                                                  static_cast<unsigned char>(typed[i + 1]));
        if (trail == 0) {
            out[0] = '\0';
            return false;
        }
        out[i] = static_cast<char>(kHiraganaLead);
        out[i + 1] = static_cast<char>(trail);
    }
    out[length] = '\0';
    return true;
}

}  // namespace hoshikura
