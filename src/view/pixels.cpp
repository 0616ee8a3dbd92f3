#include "view/pixels.h"

#include <cmath>

namespace bio {

int twipsToPixels(int twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

bool contains(const PixelRect& outer, const PixelRect& inner) {
    return inner.left >= outer.left && inner.left + inner.width <= outer.left + outer.width &&
           inner.top >= outer.top && inner.top + inner.height <= outer.top + outer.height;
}

PixelRect pixelRect(const Rect& rect, double dpi) {
    return {twipsToPixels(rect.left, dpi), twipsToPixels(rect.top, dpi),
            twipsToPixels(rect.width, dpi), twipsToPixels(rect.height, dpi)};
}

}  // namespace bio
