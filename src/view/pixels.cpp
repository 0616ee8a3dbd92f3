#include "view/pixels.h"

#include <cmath>

namespace bio {

int twipsToPixels(int twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

PixelRect pixelRect(const Rect& rect, double dpi) {
    return {twipsToPixels(rect.left, dpi), twipsToPixels(rect.top, dpi),
            twipsToPixels(rect.width, dpi), twipsToPixels(rect.height, dpi)};
}

}  // namespace bio
