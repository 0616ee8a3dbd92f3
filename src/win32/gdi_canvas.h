#pragma once
// Replays a picture box's display list with GDI, on screen and on paper.

#include <windows.h>

#include <vector>

#include "ui/canvas.h"
#include "view/canvas_replay.h"

namespace bio {

// Draws the operations clipped to the target's area, texts in `font`.
void paintCanvas(HDC dc, const std::vector<CanvasOp>& ops, const CanvasTarget& target, HFONT font);

}  // namespace bio
