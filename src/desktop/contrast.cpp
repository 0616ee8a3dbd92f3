#include "desktop/contrast.h"

#include <algorithm>
#include <cmath>

namespace bio {

namespace {

double relativeLuminance(const QColor& color) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor inkFor(const QColor& ink, const QColor& background) {
    // Luminance 0.18 lies where black and white contrast equally with it.
    if (relativeLuminance(background) > 0.18) return ink;
    QColor lighter = ink;
    for (int step = 1; step <= 10 && contrastRatio(lighter, background) < kReadableContrast;
         ++step) {
        const double white = step / 10.0;
        lighter = QColor::fromRgbF(ink.redF() + (1 - ink.redF()) * white,
                                   ink.greenF() + (1 - ink.greenF()) * white,
                                   ink.blueF() + (1 - ink.blueF()) * white);
    }
    return lighter;
}

}  // namespace bio
