#pragma once
// Where each control of a screen goes in its window's client area, for a
// front end whose controls are all children of the window (a frame passes on
// nothing to what it holds).

#include <vector>

#include "ui/screen.h"
#include "view/pixels.h"

namespace bio {

// One per control, in catalogue order, at `dpi` dots to the inch: the
// catalogue's twips, a control inside a frame placed by the frame's corner.
// The design lays some neighbours over each other by a sliver ("番号" over
// its box, a unit label over the box before it, a frame's edge over a
// button); such a sliver is taken off the control that gives way, a label
// before a frame and a frame before a box or button, so that none paints
// over another. What a frame holds stays inside it. Controls without a
// window of their own (menu commands, the printer dialog) come out empty.
std::vector<PixelRect> controlRects(const ScreenDesign& design, double dpi);

}  // namespace bio
