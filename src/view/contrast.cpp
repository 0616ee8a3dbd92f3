#include "view/contrast.h"

#include <algorithm>
#include <cmath>

namespace bio {

namespace {

double relativeLuminance(const Rgb& color) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.r) + 0.7152 * linear(color.g) + 0.0722 * linear(color.b);
}

// The channel `white` (0 to 1) of the way from itself to 255.
int towardsWhite(int channel, double white) {
    return static_cast<int>(std::lround(channel + (255 - channel) * white));
}

}  // namespace

double contrastRatio(const Rgb& a, const Rgb& b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb inkFor(const Rgb& ink, const Rgb& background) {
    // Luminance 0.18 lies where black and white contrast equally with it.
    if (relativeLuminance(background) > 0.18) return ink;
    Rgb lighter = ink;
    for (int step = 1; step <= 10 && contrastRatio(lighter, background) < kReadableContrast;
         ++step) {
        const double white = step / 10.0;
        lighter = {towardsWhite(ink.r, white), towardsWhite(ink.g, white),
                   towardsWhite(ink.b, white)};
    }
    return lighter;
}

}  // namespace bio
