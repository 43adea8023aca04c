// The tile commands' placing: views at their sizes in rows or columns that
// wrap inside the area, never overlapping; what does not fit cascades.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "tile_layout.h"

using namespace hoshikura;

namespace {

bool Overlap(const TileBox& a, const TileBox& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool Inside(const TileBox& box, int width, int height) {
    return box.x >= 0 && box.y >= 0 && box.x + box.width <= width && box.y + box.height <= height;
}

}  // namespace

TEST(TileLayout, RowsWrapBelowTheTallestAndColumnsRightOfTheWidest) {
    const std::vector<TileBox> sizes = {{0, 0, 384, 300}, {0, 0, 384, 320}, {0, 0, 600, 384}, {0, 0, 320, 400}};
    auto corners = [](const std::vector<TilePlace>& places) {
        std::vector<int> xy;
        for (const TilePlace& place : places) xy.insert(xy.end(), {place.box.x, place.box.y});
        return xy;
    };
    EXPECT_EQ(corners(TileViews(sizes, 800, 1200, TileOrder::kLeftToRight, 16)),
              (std::vector<int>{0, 0, 384, 0, 0, 320, 0, 704}));
    // The third column does not fit beside 384 + 384: the last view cascades.
    EXPECT_EQ(corners(TileViews(sizes, 1000, 700, TileOrder::kTopToBottom, 16)),
              (std::vector<int>{0, 0, 0, 300, 384, 0, 0, 0}));
    // Nothing fits an area smaller than every view: all cascade.
    EXPECT_EQ(corners(TileViews(sizes, 300, 200, TileOrder::kLeftToRight, 16)),
              (std::vector<int>{0, 0, 16, 16, 32, 32, 48, 48}));
}

TEST(TileLayout, ViewsThatFitNeverOverlapAndStayInsideTheArea) {
    std::mt19937 random(31);
    for (int round = 0; round < 500; ++round) {
        std::vector<TileBox> sizes(1 + random() % 12);
        for (TileBox& size : sizes) size = {0, 0, 100 + static_cast<int>(random() % 600), 100 + static_cast<int>(random() % 500)};
        const int width = 200 + static_cast<int>(random() % 1200), height = 200 + static_cast<int>(random() % 900);
        for (TileOrder order : {TileOrder::kLeftToRight, TileOrder::kTopToBottom}) {
            const std::vector<TilePlace> places = TileViews(sizes, width, height, order, 16);
            ASSERT_EQ(places.size(), sizes.size());
            int cascaded = 0;
            for (std::size_t i = 0; i < places.size(); ++i) {
                const TileBox& box = places[i].box;
                EXPECT_EQ(box.width, sizes[i].width);
                EXPECT_EQ(box.height, sizes[i].height);
                if (places[i].cascaded) {
                    EXPECT_EQ(box.x, 16 * cascaded);
                    EXPECT_EQ(box.y, 16 * cascaded++);
                    continue;
                }
                EXPECT_TRUE(Inside(box, width, height));
                for (std::size_t j = 0; j < i; ++j) {
                    EXPECT_FALSE(!places[j].cascaded && Overlap(box, places[j].box)) << i << " " << j;
                }
            }
        }
    }
}
