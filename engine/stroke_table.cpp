#include "stroke_table.h"

#include <cstring>
#include <new>

namespace hoshikura {

CStrokeTable::CStrokeTable() {
    for (int k = 0; k < kMaxStrokes; ++k) {
        std::size_t length = std::strlen(kStrokeTexts[k]);
        texts_[k] = new (std::nothrow) char[length + 1];
        if (texts_[k]) std::memcpy(texts_[k], kStrokeTexts[k], length + 1);
    }
    BuildIndex();
}

// Every search analyses thousands of names, so a lookup must not scan the
// texts. The index gives what the scan gives: the lowest count holding the
// character.
void CStrokeTable::BuildIndex() {
    for (int k = kMaxStrokes - 1; k >= 0; --k) {
        const char* p = texts_[k];
        if (!p) continue;
        for (; p[0] != '\0' && p[1] != '\0'; p += 2)
            index_[Code(static_cast<unsigned char>(p[0]), static_cast<unsigned char>(p[1]))] =
                static_cast<unsigned char>(k + 1);
    }
}

CStrokeTable::~CStrokeTable() {
    for (char* text : texts_) delete[] text;
}

int CStrokeTable::StrokeCount(const char* ch) const {
    const unsigned char first = static_cast<unsigned char>(ch[0]);
    if (first == 0) return 0;
    return index_[Code(first, static_cast<unsigned char>(ch[1]))];
}

const CStrokeTable& TheStrokeTable() {
    static const CStrokeTable table;
    return table;
}

}  // namespace hoshikura
