// Where the grid diagram's parts lie: the character and stroke boxes of the
// name's column, the five grid boxes and the bracket lines that tie each
// grid to its characters. Pure geometry, in the caller's units, so the
// screen and the printed page place their diagrams alike.
#pragma once

#include <cstdint>

#include "name_record.h"

namespace hoshikura {

constexpr int kDiagramBoxSize = 22;      // stroke and grid boxes are 22 × 22
constexpr int kDiagramCharacterBox = 40; // character boxes are 40 × 40
constexpr int kMaxBracketLines = 24;
// The column holds up to ten characters.
constexpr int kDiagramRows = 10;

// Where a window's column puts its characters: the top of each character's
// box, surname first.
struct CColumnLayout {
    int32_t top[kDiagramRows];
};

struct DiagramPoint {
    int32_t x;
    int32_t y;
};

struct DiagramLine {
    int32_t x1;
    int32_t y1;
    int32_t x2;
    int32_t y2;
};

struct CGridDiagramGeometry {
    int32_t characterCount;                     // n = surname + given-name characters
    DiagramPoint character[kDiagramRows];       // top-left of each character box
    DiagramPoint strokeBox[kDiagramRows];       // P(i)
    DiagramPoint gridBox[kGridCount];           // Q(0..4), grid index order
    DiagramLine brackets[kMaxBracketLines];
    int32_t bracketCount;
};

// Lays the diagram out for the column at `x` with the character tops of
// `column` moved down by `dy`. The record's lengths are clamped to the
// column's rows; without a surname and a given name character there are no grid
// boxes and no lines (gridBox is then all zero).
void LayOutGridDiagram(const CNameRecord& record, const CColumnLayout& column, int32_t x,
                       int32_t dy, CGridDiagramGeometry* geometry);

}  // namespace hoshikura
