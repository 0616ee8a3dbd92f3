#pragma once
// Paints a composed page with QPainter: millimetres to device units, pictures
// replayed as vectors into their rectangles.

#include <QFont>
#include <QPointF>

#include "ui/page.h"

class QPainter;

namespace bio {

inline constexpr double kMmPerInch = 25.4;

// The font a picture box draws its texts in on screen.
QFont pictureFont(const PictureSource& picture);

// Where the page lies on the device.
struct PageMapping {
    double dotsPerMm = 1;
    QPointF origin;  // the page point, in mm, at the painter's (0, 0)
};

void paintPage(QPainter& painter, const Page& page, const PageMapping& mapping);

}  // namespace bio
