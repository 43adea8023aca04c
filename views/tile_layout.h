// Where the tile commands put the views: each at its own size, one after
// the other in rows (or columns) that wrap inside the window area; a view
// that does not fit cascades from the top left. Pure geometry, so the rule
// is tested without windows.
#pragma once

#include <vector>

namespace hoshikura {

struct TileBox {
    int x;
    int y;
    int width;
    int height;
};

// Where a view goes, and whether it was cascaded for want of room.
struct TilePlace {
    TileBox box;
    bool cascaded;
};

enum class TileOrder {
    kLeftToRight,  // rows, each wrapping below the tallest of the row above
    kTopToBottom,  // columns, each wrapping right of the widest of the one before
};

// Places views of the given sizes (width and height of each box; x and y
// ignored) in an area of areaWidth × areaHeight, in order. Views that fit
// never overlap and lie inside the area; the others are stacked from the
// top left, `cascadeStep` apart.
std::vector<TilePlace> TileViews(const std::vector<TileBox>& sizes, int areaWidth, int areaHeight,
                               TileOrder order, int cascadeStep);

}  // namespace hoshikura
