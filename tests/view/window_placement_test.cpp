#include "view/window_placement.h"

#include <gtest/gtest.h>

namespace bio {
namespace {

TEST(SettledPlace, WantedPlaceNeedsItsTitleBarOnAScreen) {
    // Two screens side by side, the right one lower; a frame of 600 x 500.
    const PixelRect left{0, 0, 1920, 1080};
    const PixelRect right{1920, 0, 1280, 1240};
    const PixelPoint centre{660, 290};
    const struct {
        const char* what;
        std::optional<PixelPoint> wanted;
        PixelPoint expected;
    } cases[] = {
        {"none", std::nullopt, centre},
        {"on the left", PixelPoint{100, 100}, {100, 100}},
        {"across both", PixelPoint{1900, 100}, {1900, 100}},
        {"mostly left of it", PixelPoint{-540, 10}, {-540, 10}},
        {"a sliver left", PixelPoint{-580, 10}, centre},
        {"bar above the top", PixelPoint{100, -10}, centre},
        {"below the left, on the right", PixelPoint{1920, 1060}, {1920, 1060}},
        {"below both", PixelPoint{2000, 1220}, centre},
    };
    for (const auto& c : cases)
        EXPECT_EQ(settledPlace(c.wanted, {600, 500}, {left, right}, left), c.expected) << c.what;
}

}  // namespace
}  // namespace bio
