#pragma once
// The catalogue lays screens out in twips, 1440 to the logical inch.

#include <QRect>
#include <cmath>

#include "ui/control.h"

namespace bio {

inline constexpr double kTwipsPerInch = 1440.0;

inline int twipsToPixels(int twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

inline QRect pixelRect(const Rect& rect, double dpi) {
    return {twipsToPixels(rect.left, dpi), twipsToPixels(rect.top, dpi),
            twipsToPixels(rect.width, dpi), twipsToPixels(rect.height, dpi)};
}

}  // namespace bio
