// What one grid of a judged name reads as. Every surface (judgement rows,
// diagram, method views, explanation, printed page, command-line tool) asks
// here, so a number reads the same wherever it is shown.
#pragma once

#include <cstddef>
#include <cstdint>

#include "fortune_table.h"
#include "name_record.h"

namespace hoshikura {

// The fortune kind that explains grid 0..4; the Heaven grid has none (-1).
int FortuneKindOfGrid(int grid);

struct GridReading {
    int grid;           // 0..4
    int32_t number;     // as added up from the strokes: the number shown
    int32_t counted;    // CountedNumber(number): luck, element and text come from it
    bool hasLuck;       // a grid of 0 (no known character) has no luck class
    int32_t luck;       // -2..2 when hasLuck, else 0
    int32_t element;    // 0..4 (wood .. water), by the last digit
    bool hasText;       // false: `text` says why there is none
    const char* text;   // the fortune text, or the sentence saying there is none;
                        // "" for the Heaven grid, which has no texts at all
};

// Reads grid 0..4 of a record; `fortunes` may be null (no texts then).
GridReading ReadGrid(const CNameRecord& record, int grid, const CFortuneTable* fortunes);
// Reads `number` as the value of grid 0..4.
GridReading ReadGridNumber(int grid, int32_t number, const CFortuneTable* fortunes);

// "大吉数" .. "大凶数", or "―" for a grid without a luck class.
const char* LuckWordOf(const GridReading& reading);

// Whether FormatGridNumber adds the number a grid counts as.
enum class CountedNote { kShown, kLeftOut };

// "8画", or for a number read as another "117画（37画として）" ("117画"
// with the note left out, for a surface that shows the note apart).
void FormatGridNumber(const GridReading& reading, char* out, std::size_t capacity,
                      CountedNote note = CountedNote::kShown);
// "（37画として）" for a number read as another, else "".
void FormatCountedNote(const GridReading& reading, char* out, std::size_t capacity);

// The heading over a grid's text: "人格が[9画]（大凶数）の人は".
void FormatFortuneHeading(const GridReading& reading, char* out, std::size_t capacity);

// Room enough for either text above.
constexpr std::size_t kGridTextSize = 96;

}  // namespace hoshikura
