#pragma once
// A drawing replayed onto the page, on screen or on a printed sheet: each
// line and text handed to the page's function for it, a colour as the one
// 0xRRGGBB number the page turns into CSS.

#include "view/canvas_replay.h"

namespace bio {

int rgbValue(Rgb color);

// The page's functions a drawing goes to.
struct PagePen {
    void (*line)(double x1, double y1, double x2, double y2, int rgb, double width);
    void (*text)(double x, double y, int rgb, const char* text);
};

class PictureLines : public CanvasSink {
  public:
    explicit PictureLines(PagePen pen) : pen_(pen) {}
    void line(PointF from, PointF to, Rgb color, double width) override;
    void text(PointF topLeft, Rgb color, const std::string& text) override;

  private:
    PagePen pen_;
};

}  // namespace bio
