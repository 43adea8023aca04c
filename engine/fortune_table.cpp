#include "fortune_table.h"

#include <cstring>
#include <new>

#include "fortune_texts.h"
#include "message_sink.h"

namespace hoshikura {

const char* const kFortuneOutOfRange = "エラー（out range of index）";

namespace {

char g_emptyText[1] = "";

char* CopyBlock(const char* text) {
    std::size_t length = std::strlen(text);
    char* block = new (std::nothrow) char[length + 1];
    if (!block) {
        ShowMessage("%s", "メモリ確保ができませんでした。");
        return g_emptyText;
    }
    std::memcpy(block, text, length + 1);
    return block;
}

}  // namespace

CFortuneTable::CFortuneTable() {
    for (auto& kind : texts_)
        for (char*& text : kind) text = g_emptyText;
}

CFortuneTable::~CFortuneTable() {
    for (auto& kind : texts_)
        for (char* text : kind)
            if (text != g_emptyText) delete[] text;
}

void CFortuneTable::LoadBuiltIn() {
    for (int n = 1; n <= kFortuneNumbers; ++n)
        SetFortune(n, kPersonFortuneTexts[n - 1], kEarthFortuneTexts[n - 1],
                   kOuterFortuneTexts[n - 1], kTotalFortuneTexts[n - 1]);
}

void CFortuneTable::SetFortune(int n, const char* personText, const char* earthText,
                               const char* outerText, const char* totalText) {
    if (n < 1 || n > kFortuneNumbers) return;
    const char* given[kFortuneKinds] = {personText, earthText, outerText, totalText};
    for (int kind = 0; kind < kFortuneKinds; ++kind) {
        char*& slot = texts_[kind][n - 1];
        if (slot != g_emptyText) delete[] slot;
        slot = CopyBlock(given[kind] ? given[kind] : "");
    }
}

const char* CFortuneTable::FortuneText(int kind, int n) const {
    if (kind < 0 || kind >= kFortuneKinds || n < 1 || n > kFortuneNumbers)
        return kFortuneOutOfRange;
    return texts_[kind][n - 1];
}

}  // namespace hoshikura
