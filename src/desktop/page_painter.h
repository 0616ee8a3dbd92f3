#pragma once
// Paints a composed page with QPainter: millimetres to device units, pictures
// replayed as vectors into their rectangles.

#include "ui/page.h"
#include "view/print_layout.h"

class QPainter;

namespace bio {

void paintPage(QPainter& painter, const Page& page, const PageMapping& mapping);

}  // namespace bio
