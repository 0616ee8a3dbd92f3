#include "ui/canvas.h"

namespace bio {

void Canvas::setScale(double left, double top, double right, double bottom) {
    ops_.push_back({CanvasOp::Kind::Scale, left, top, right, bottom, color_, width_, {}});
}

void Canvas::line(double x1, double y1, double x2, double y2) {
    ops_.push_back({CanvasOp::Kind::Line, x1, y1, x2, y2, color_, width_, {}});
}

void Canvas::setTextPosition(double x, double y) {
    textX_ = x;
    textY_ = y;
}

void Canvas::print(const std::string& text) {
    ops_.push_back({CanvasOp::Kind::Text, textX_, textY_, 0, 0, color_, width_, text});
}

void Canvas::setAutoRedraw() {
    ops_.push_back({CanvasOp::Kind::AutoRedraw, 0, 0, 0, 0, color_, width_, {}});
}

void Canvas::clear() {
    ops_.clear();
    alternative_ = {};
    textX_ = textY_ = 0;
}

}  // namespace bio
