#pragma once
// Replays a picture box's display list with QPainter, on screen and on paper.

#include <QFont>
#include <vector>

#include "ui/canvas.h"
#include "view/canvas_replay.h"

class QPainter;

namespace bio {

// Draws the operations clipped to the target's area, texts in `font`.
void paintCanvas(QPainter& painter, const std::vector<CanvasOp>& ops, const CanvasTarget& target,
                 const QFont& font);

}  // namespace bio
