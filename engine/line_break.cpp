#include "line_break.h"

#include <cstring>

#include "sjis_text.h"

namespace hoshikura {

namespace {

// Characters that never start a line.
constexpr const char* kNoLineStart[] = {
    "。", "、", "，", "．", "）", "」", "』", "】", "〕", "・", "ー", "！", "？",
    "ぁ", "ぃ", "ぅ", "ぇ", "ぉ", "っ", "ゃ", "ゅ", "ょ", "ゎ",
    "ァ", "ィ", "ゥ", "ェ", "ォ", "ッ", "ャ", "ュ", "ョ", "ヮ", "ヵ", "ヶ",
    ")", ".", ",",
};
// Characters that never end a line.
constexpr const char* kNoLineEnd[] = {"（", "「", "『", "【", "〔", "("};

std::size_t CharBytes(const char* at) {
    if (at[0] == '\0') return 0;
    return IsLeadByte(static_cast<unsigned char>(at[0])) && at[1] != '\0' ? 2 : 1;
}

bool IsOneOf(const char* at, const char* const* list, std::size_t count) {
    const std::size_t bytes = CharBytes(at);
    for (std::size_t i = 0; i < count; ++i)
        if (std::strlen(list[i]) == bytes && std::memcmp(at, list[i], bytes) == 0) return true;
    return false;
}

}  // namespace

bool MayBreakBetween(const char* before, const char* after) {
    if (IsOneOf(after, kNoLineStart, sizeof kNoLineStart / sizeof kNoLineStart[0])) return false;
    return !IsOneOf(before, kNoLineEnd, sizeof kNoLineEnd / sizeof kNoLineEnd[0]);
}

std::size_t NextLineBytes(const char* text, const std::function<bool(std::size_t)>& fits) {
    if (!text || text[0] == '\0') return 0;
    // Character starts up to the widest fit (or the end of the paragraph).
    std::size_t starts[512];
    std::size_t count = 0;
    std::size_t end = 0;
    while (text[end] != '\0' && text[end] != '\n' && count < sizeof starts / sizeof starts[0]) {
        const std::size_t next = end + CharBytes(text + end);
        if (count > 0 && !fits(next)) break;
        starts[count++] = end;
        end = next;
    }
    if (text[end] == '\0') return end;
    if (text[end] == '\n') return end + 1;
    // Move the break back until the rules allow it, down to a line of one
    // character; keep the widest fit when no earlier place does.
    for (std::size_t k = count; k > 0; --k) {
        const std::size_t at = k < count ? starts[k] : end;
        if (MayBreakBetween(text + starts[k - 1], text + at)) return at;
    }
    return end;
}

}  // namespace hoshikura
