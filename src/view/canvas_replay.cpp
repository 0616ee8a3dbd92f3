#include "view/canvas_replay.h"

#include <algorithm>
#include <array>

#include "view/pixels.h"

namespace bio {

namespace {

constexpr std::array<Rgb, 16> kPalette{{
    {0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
    {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
    {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
    {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
}};

// A scale with no extent cannot map anything.
bool usable(const UserScale& scale) {
    return scale.right != scale.left && scale.bottom != scale.top;
}

PointF toArea(const UserScale& scale, const AreaF& area, double x, double y) {
    return {area.left + (x - scale.left) * area.width / (scale.right - scale.left),
            area.top + (y - scale.top) * area.height / (scale.bottom - scale.top)};
}

}  // namespace

Rgb paletteColor(int index) {
    if (index < 0 || index >= static_cast<int>(kPalette.size())) return {0, 0, 0};
    return kPalette[static_cast<std::size_t>(index)];
}

void replayCanvas(const std::vector<CanvasOp>& ops, const CanvasTarget& target, CanvasSink& sink) {
    UserScale scale = target.defaultScale;
    for (const CanvasOp& op : ops) {
        switch (op.kind) {
            case CanvasOp::Kind::Scale: {
                const UserScale next{op.x1, op.y1, op.x2, op.y2};
                if (usable(next)) scale = next;
                break;
            }
            case CanvasOp::Kind::AutoRedraw:
                break;
            case CanvasOp::Kind::Line:
                if (!usable(scale)) break;
                sink.line(toArea(scale, target.area, op.x1, op.y1),
                          toArea(scale, target.area, op.x2, op.y2), paletteColor(op.color),
                          std::max(op.width, 1) * target.penScale);
                break;
            case CanvasOp::Kind::Text:
                if (!usable(scale)) break;
                sink.text(toArea(scale, target.area, op.x1, op.y1), paletteColor(op.color),
                          op.text);
                break;
        }
    }
}

CanvasTarget screenCanvasTarget(const AreaF& area, double dpi) {
    const double twipsPerPixel = kTwipsPerInch / dpi;
    return {area,
            {0, 0, area.width * twipsPerPixel, area.height * twipsPerPixel},
            dpi / kScreenPixelsPerInch};
}

}  // namespace bio
