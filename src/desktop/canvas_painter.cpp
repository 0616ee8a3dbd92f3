#include "desktop/canvas_painter.h"

#include <QPainter>
#include <algorithm>
#include <array>

namespace bio {

namespace {

constexpr std::array<QRgb, 16> kPalette{
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
};

// A scale with no extent cannot map anything; the previous one stays in force.
bool usable(const UserScale& scale) {
    return scale.right != scale.left && scale.bottom != scale.top;
}

QPointF toArea(const UserScale& scale, const QRectF& area, double x, double y) {
    return {area.left() + (x - scale.left) * area.width() / (scale.right - scale.left),
            area.top() + (y - scale.top) * area.height() / (scale.bottom - scale.top)};
}

}  // namespace

QColor paletteColor(int index) {
    if (index < 0 || index >= static_cast<int>(kPalette.size())) return Qt::black;
    return QColor::fromRgb(kPalette[static_cast<std::size_t>(index)]);
}

void paintCanvas(QPainter& painter, const std::vector<CanvasOp>& ops, const CanvasTarget& target) {
    painter.save();
    painter.setClipRect(target.area);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(target.font);
    const double ascent = painter.fontMetrics().ascent();
    UserScale scale = target.defaultScale;
    for (const CanvasOp& op : ops) {
        switch (op.kind) {
            case CanvasOp::Kind::Scale: {
                UserScale next{op.x1, op.y1, op.x2, op.y2};
                if (usable(next)) scale = next;
                break;
            }
            case CanvasOp::Kind::AutoRedraw:
                break;
            case CanvasOp::Kind::Line: {
                if (!usable(scale)) break;
                QPen pen(paletteColor(op.color), std::max(op.width, 1) * target.penScale,
                         Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
                painter.setPen(pen);
                painter.drawLine(toArea(scale, target.area, op.x1, op.y1),
                                 toArea(scale, target.area, op.x2, op.y2));
                break;
            }
            case CanvasOp::Kind::Text: {
                if (!usable(scale)) break;
                // Map the corner, then draw untransformed: a flipped scale must
                // not turn the letters upside down.
                QPointF corner = toArea(scale, target.area, op.x1, op.y1);
                painter.setPen(paletteColor(op.color));
                painter.drawText(QPointF(corner.x(), corner.y() + ascent),
                                 QString::fromStdString(op.text));
                break;
            }
        }
    }
    painter.restore();
}

}  // namespace bio
