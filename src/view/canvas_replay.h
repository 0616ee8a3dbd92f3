#pragma once
// A picture box's display list replayed onto any drawing surface: the
// 16-colour palette, and the user scale mapped onto the picture's area. A
// front end paints the lines and texts it is handed; on screen and on paper
// the mapping is the same.

#include <string>
#include <vector>

#include "ui/canvas.h"
#include "ui/screen.h"

namespace bio {

struct PointF {
    double x = 0, y = 0;
};

struct AreaF {
    double left = 0, top = 0, width = 0, height = 0;
};

// User coordinates of the picture's edges; y grows upward when bottom < top.
struct UserScale {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// Pen widths are given in screen pixels, a 96th of an inch.
inline constexpr double kScreenPixelsPerInch = 96.0;

// The 16-colour console palette; an index outside 0..15 draws black.
Rgb paletteColor(int index);

struct CanvasTarget {
    AreaF area;              // the picture's drawable area, in device units
    UserScale defaultScale;  // in force until the display list sets one
    double penScale = 1;     // device units per pixel (a 96th of an inch) of pen width
};

// What the replay draws with, in device units. The sink clips to the area and
// chooses the font.
class CanvasSink {
  public:
    virtual ~CanvasSink() = default;
    // `width` is already scaled: device units, at least one pixel's worth.
    virtual void line(PointF from, PointF to, Rgb color, double width) = 0;
    // An upright text whose top-left corner is `topLeft`, whatever the
    // direction of the user scale.
    virtual void text(PointF topLeft, Rgb color, const std::string& text) = 0;
};

// Walks the display list, mapping user units to the area. A Scale op without
// extent is ignored (the previous scale stays); nothing is drawn while no
// usable scale is in force.
void replayCanvas(const std::vector<CanvasOp>& ops, const CanvasTarget& target, CanvasSink& sink);

// The on-screen target of a picture box's drawable area of `area` device
// pixels at `dpi`: until the drawing sets a scale its units are twips; pens
// grow with the screen's scale, dpi / 96 device pixels per pixel of width.
CanvasTarget screenCanvasTarget(const AreaF& area, double dpi);

}  // namespace bio
