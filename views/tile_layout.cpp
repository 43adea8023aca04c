#include "tile_layout.h"

#include <algorithm>
#include <utility>

namespace hoshikura {

namespace {

// The same rule for rows and columns: `along` is the direction a line of
// views runs, `across` the one the lines wrap in.
struct Extent {
    int along;
    int across;
};

// Where each view goes as (along, across) offsets, or -1 along for a view
// that does not fit.
std::vector<std::pair<int, int>> PlaceInLines(const std::vector<Extent>& sizes, Extent area) {
    std::vector<std::pair<int, int>> places;
    int along = 0;
    int across = 0;
    int lineDepth = 0;
    for (const Extent& size : sizes) {
        if (along > 0 && along + size.along > area.along) {
            along = 0;
            across += lineDepth;
            lineDepth = 0;
        }
        if (size.along > area.along || across + size.across > area.across) {
            places.emplace_back(-1, 0);
            continue;
        }
        places.emplace_back(along, across);
        along += size.along;
        lineDepth = std::max(lineDepth, size.across);
    }
    return places;
}

}  // namespace

std::vector<TilePlace> TileViews(const std::vector<TileBox>& sizes, int areaWidth, int areaHeight,
                               TileOrder order, int cascadeStep) {
    const bool rows = order == TileOrder::kLeftToRight;
    std::vector<Extent> extents;
    for (const TileBox& size : sizes)
        extents.push_back(rows ? Extent{size.width, size.height} : Extent{size.height, size.width});
    const Extent area = rows ? Extent{areaWidth, areaHeight} : Extent{areaHeight, areaWidth};
    const std::vector<std::pair<int, int>> places = PlaceInLines(extents, area);
    std::vector<TilePlace> boxes;
    int cascaded = 0;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        TilePlace place = {sizes[i], places[i].first < 0};
        if (place.cascaded) {
            place.box.x = place.box.y = cascadeStep * cascaded++;
        } else {
            place.box.x = rows ? places[i].first : places[i].second;
            place.box.y = rows ? places[i].second : places[i].first;
        }
        boxes.push_back(place);
    }
    return boxes;
}

}  // namespace hoshikura
