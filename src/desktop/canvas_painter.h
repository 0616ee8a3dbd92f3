#pragma once
// Replays a picture box's display list with QPainter, on screen and on paper.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <vector>

#include "ui/canvas.h"

class QPainter;

namespace bio {

// Pen widths are given in screen pixels, a 96th of an inch.
inline constexpr double kScreenPixelsPerInch = 96.0;

// The 16-colour console palette; an index outside it draws black.
QColor paletteColor(int index);

// User coordinates of the picture's edges; y grows upward when bottom < top.
struct UserScale {
    double left = 0, top = 0, right = 0, bottom = 0;
};

struct CanvasTarget {
    QRectF area;             // the picture's drawable area, in painter units
    UserScale defaultScale;  // in force until the display list sets one
    double penScale = 1;     // painter units per pixel (a 96th of an inch) of pen width
    QFont font;
};

// Draws the operations clipped to the area; texts stay upright whatever the
// direction of the user scale.
void paintCanvas(QPainter& painter, const std::vector<CanvasOp>& ops, const CanvasTarget& target);

}  // namespace bio
