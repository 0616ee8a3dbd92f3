#pragma once
// A composed sheet of paper: text runs, lines, rectangles and pictures placed
// in millimetres from the page's top-left corner. The model composes it; a
// printer only paints it.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "ui/screen.h"
#include "ui/services.h"

namespace bio {

inline constexpr double kMmPerPoint = 25.4 / 72;

// A text whose top-left corner is at (x, y).
struct PageText {
    double x = 0, y = 0;
    Font font;
    Rgb color;
    std::string text;
};

struct PageLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double width = 0;  // mm
    Rgb color;
};

// Filled, or outlined with a line of `lineWidth` mm.
struct PageRect {
    double x = 0, y = 0, width = 0, height = 0;
    Rgb color;
    bool filled = false;
    double lineWidth = 0;
};

// A picture box's drawing, scaled to fill the rectangle.
struct PagePicture {
    PictureSource source;
    double x = 0, y = 0, width = 0, height = 0;
};

using PageOp = std::variant<PageText, PageLine, PageRect, PagePicture>;

// An A4 sheet in portrait.
struct Page {
    static constexpr double kWidth = 210;
    static constexpr double kHeight = 297;
    std::vector<PageOp> ops;
};

// The width of a text in the fixed-pitch Japanese faces the pages use: half an
// em for ASCII and half-width katakana, a whole em for anything else.
double emWidth(std::string_view utf8);
// The same in millimetres at a size in points.
double textWidth(std::string_view utf8, double points);

}  // namespace bio
