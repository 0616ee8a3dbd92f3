#pragma once
// Plain pixel geometry for the front ends, and the catalogue's twips (1440 to
// the logical inch) mapped onto it.

#include "ui/control.h"

namespace bio {

struct PixelPoint {
    int x = 0, y = 0;
    bool operator==(const PixelPoint&) const = default;
};

struct PixelSize {
    int width = 0, height = 0;
    bool operator==(const PixelSize&) const = default;
};

struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const PixelRect&) const = default;
};

inline constexpr double kTwipsPerInch = 1440.0;

// Whether `inner` lies wholly within `outer`.
bool contains(const PixelRect& outer, const PixelRect& inner);

// Rounded to the nearest pixel at `dpi` pixels to the logical inch.
int twipsToPixels(int twips, double dpi);
PixelRect pixelRect(const Rect& rect, double dpi);

}  // namespace bio
