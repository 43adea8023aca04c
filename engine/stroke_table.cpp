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
}

CStrokeTable::~CStrokeTable() {
    for (char* text : texts_) delete[] text;
}

int CStrokeTable::StrokeCount(const char* ch) const {
    const unsigned char first = static_cast<unsigned char>(ch[0]);
    if (first == 0) return 0;
    const unsigned char second = static_cast<unsigned char>(ch[1]);
    for (int k = 0; k < kMaxStrokes; ++k) {
        const char* p = texts_[k];
        if (!p) continue;
        for (; p[0] != '\0' && p[1] != '\0'; p += 2) {
            if (static_cast<unsigned char>(p[0]) == first &&
                static_cast<unsigned char>(p[1]) == second)
                return k + 1;
        }
    }
    return 0;
}

const char* CStrokeTable::Text(int strokes) const {
    if (strokes < 1 || strokes > kMaxStrokes || !texts_[strokes - 1]) return "";
    return texts_[strokes - 1];
}

const CStrokeTable& TheStrokeTable() {
    static const CStrokeTable table;
    return table;
}

}  // namespace hoshikura
