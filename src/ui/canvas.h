#pragma once
// A picture box's drawing surface, kept as a display list so that it can be
// shown, printed and compared without a display.

#include <string>
#include <vector>

namespace bio {

struct CanvasOp {
    enum class Kind { Scale, AutoRedraw, Line, Text };
    Kind kind = Kind::Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // scale: left, top, right, bottom
    int color = 0;
    int width = 1;
    std::string text;

    bool operator==(const CanvasOp&) const = default;
};

// A drawing in words, for those who cannot see it: what it is (a title) and
// what it shows, line by line.
struct TextAlternative {
    std::string title;
    std::vector<std::string> lines;
};

class Canvas {
  public:
    // User scale: the left/top/right/bottom edges in user units (y grows upward
    // when bottom < top).
    void setScale(double left, double top, double right, double bottom);
    void setColor(int paletteIndex) { color_ = paletteIndex; }
    void setWidth(int pixels) { width_ = pixels; }
    int color() const { return color_; }
    int width() const { return width_; }

    void line(double x1, double y1, double x2, double y2);
    // The top-left corner of the next printed text.
    void setTextPosition(double x, double y);
    // Numbers are printed in their canvas form (canvasNumberText).
    void print(const std::string& text);
    // Switches the retained image on: from here on the canvas repaints itself.
    void setAutoRedraw();

    // Says what the drawing shows; kept until the picture is cleared.
    void describe(TextAlternative alternative) { alternative_ = std::move(alternative); }
    const TextAlternative& textAlternative() const { return alternative_; }

    // Back to a blank picture, without words; the pen survives, as on the
    // platform's canvas.
    void clear();

    const std::vector<CanvasOp>& ops() const { return ops_; }

  private:
    std::vector<CanvasOp> ops_;
    TextAlternative alternative_;
    int color_ = 0;  // black
    int width_ = 1;
    double textX_ = 0, textY_ = 0;
};

}  // namespace bio
