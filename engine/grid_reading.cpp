#include "grid_reading.h"

#include "judge.h"
#include "sjis_text.h"

namespace hoshikura {

namespace {

constexpr char kNoLuckWord[] = "―";
// Said in place of a text that does not exist: a note under the heading
// 「人格が[75画]（吉数）の人は」, hence in parentheses.
constexpr char kNoTextForZero[] = "（この格の文字が画数表にないため0画になり、解説はありません。）";
constexpr char kTotalTextsOnly[] = "（72画から81画の解説は総格にだけあり、この格にはありません。）";

constexpr int kGridFortuneKinds[kGridCount] = {-1, kPersonText, kEarthText, kOuterText,
                                               kTotalText};

}  // namespace

int FortuneKindOfGrid(int grid) {
    return (grid >= 0 && grid < kGridCount) ? kGridFortuneKinds[grid] : -1;
}

GridReading ReadGrid(const CNameRecord& record, int grid, const CFortuneTable* fortunes) {
    return ReadGridNumber(grid, (grid >= 0 && grid < kGridCount) ? record.grids[grid] : 0, fortunes);
}

GridReading ReadGridNumber(int grid, int32_t number, const CFortuneTable* fortunes) {
    GridReading r{};
    r.grid = grid;
    r.number = number;
    r.counted = CountedNumber(r.number);
    r.hasLuck = r.counted >= 1;
    r.luck = r.hasLuck ? TheJudge().LuckClass(r.counted) : 0;
    r.element = ElementOf(r.counted);
    r.text = "";
    const int kind = FortuneKindOfGrid(grid);
    if (kind < 0 || !fortunes) return r;
    if (!r.hasLuck) {
        r.text = kNoTextForZero;
        return r;
    }
    const char* text = fortunes->FortuneText(kind, r.counted);
    r.hasText = text[0] != '\0';
    r.text = r.hasText ? text : kTotalTextsOnly;
    return r;
}

const char* LuckWordOf(const GridReading& reading) {
    return reading.hasLuck ? LuckWord(reading.luck) : kNoLuckWord;
}

void FormatCountedNote(const GridReading& reading, char* out, std::size_t capacity) {
    if (reading.counted == reading.number)
        CopyText(out, capacity, "");
    else
        FormatText(out, capacity, "（%d画として）", static_cast<int>(reading.counted));
}

void FormatGridNumber(const GridReading& reading, char* out, std::size_t capacity, CountedNote note) {
    char counted[kGridTextSize];
    FormatCountedNote(reading, counted, sizeof counted);
    FormatText(out, capacity, "%d画%s", static_cast<int>(reading.number),
               note == CountedNote::kShown ? counted : "");
}

void FormatFortuneHeading(const GridReading& reading, char* out, std::size_t capacity) {
    char number[kGridTextSize];
    FormatGridNumber(reading, number, sizeof number);
    FormatText(out, capacity, "%sが[%s]（%s）の人は", GridName(reading.grid), number,
               LuckWordOf(reading));
}

}  // namespace hoshikura
