// The stroke count of every full-width character the system knows.
#pragma once

#include "stroke_table_data.h"

namespace hoshikura {

class CStrokeTable {
public:
    // Copies each built-in text into a block of its own.
    CStrokeTable();
    ~CStrokeTable();
    CStrokeTable(const CStrokeTable&) = delete;
    CStrokeTable& operator=(const CStrokeTable&) = delete;

    // ch points at the two bytes of one character. Returns 1..30, or 0 when
    // the table does not hold the character.
    int StrokeCount(const char* ch) const;

private:
    static unsigned Code(unsigned char first, unsigned char second) {
        return (first << 8) | second;
    }
    void BuildIndex();

    char* texts_[kMaxStrokes];
    unsigned char index_[0x10000] = {};  // stroke count by two-byte code, 0 when absent
};

// The process-wide table, built on first use and kept until exit.
const CStrokeTable& TheStrokeTable();

}  // namespace hoshikura
