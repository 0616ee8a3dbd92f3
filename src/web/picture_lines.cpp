#include "web/picture_lines.h"

namespace bio {

int rgbValue(Rgb color) { return (color.r << 16) | (color.g << 8) | color.b; }

void PictureLines::line(PointF from, PointF to, Rgb color, double width) {
    pen_.line(from.x, from.y, to.x, to.y, rgbValue(color), width);
}

void PictureLines::text(PointF topLeft, Rgb color, const std::string& text) {
    pen_.text(topLeft.x, topLeft.y, rgbValue(color), text.c_str());
}

}  // namespace bio
