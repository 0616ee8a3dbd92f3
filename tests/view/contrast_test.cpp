#include "view/contrast.h"

#include <gtest/gtest.h>

#include <cmath>

namespace bio {
namespace {

TEST(Contrast, IsMeasuredAsWcagDoes) {
    const struct {
        Rgb ink, background;
        double ratio;  // to two places
    } cases[] = {
        {{0, 0, 0}, {255, 255, 255}, 21.0},           // black on white
        {{255, 255, 255}, {0, 0, 0}, 21.0},           // either way round
        {{0x77, 0x77, 0x77}, {255, 255, 255}, 4.48},  // grey 777 on white
        {{255, 0, 0}, {255, 255, 255}, 4.0},          // red on white
        {{0, 0, 0}, {255, 224, 192}, 16.68},          // black on peach
        {{128, 0, 128}, {128, 0, 128}, 1.0},          // the same
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(std::round(contrastRatio(c.ink, c.background) * 100) / 100, c.ratio)
            << c.ink.r << "," << c.ink.g << "," << c.ink.b;
}

}  // namespace
}  // namespace bio
