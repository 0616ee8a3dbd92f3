#include "desktop/page_painter.h"

#include <QFontMetricsF>
#include <QPainter>

#include "desktop/canvas_painter.h"
#include "desktop/japanese_fonts.h"
#include "desktop/qt_convert.h"

namespace bio {

namespace {

class OpPainter {
  public:
    OpPainter(QPainter& painter, const PageMapping& mapping)
        : painter_(painter), mapping_(mapping) {}

    void operator()(const PageText& text) const {
        const QFont font = qtFont(text.font);
        const QFontMetricsF metrics(font, painter_.device());
        painter_.setFont(font);
        painter_.setPen(qtColor(text.color));
        painter_.drawText(at(text.x, text.y) + QPointF(0, metrics.ascent()),
                          QString::fromStdString(text.text));
    }

    void operator()(const PageLine& line) const {
        painter_.setPen(QPen(qtColor(line.color), length(line.width), Qt::SolidLine, Qt::FlatCap));
        painter_.drawLine(at(line.x1, line.y1), at(line.x2, line.y2));
    }

    void operator()(const PageRect& rect) const {
        const QRectF area(at(rect.x, rect.y), at(rect.x + rect.width, rect.y + rect.height));
        if (rect.filled) {
            painter_.fillRect(area, qtColor(rect.color));
            return;
        }
        painter_.setPen(QPen(qtColor(rect.color), length(rect.lineWidth)));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(area);
    }

    void operator()(const PagePicture& picture) const {
        const ScaledPicture scaled = pagePictureTarget(picture, mapping_);
        Font font = pictureFont(picture.source);
        font.points *= scaled.fontScale;
        paintCanvas(painter_, pictureOps(picture.source), scaled.target, qtFont(font));
    }

  private:
    QPointF at(double x, double y) const { return qtPoint(toDevice(mapping_, x, y)); }
    double length(double mm) const { return toDevice(mapping_, mm); }

    QPainter& painter_;
    const PageMapping& mapping_;
};

}  // namespace

void paintPage(QPainter& painter, const Page& page, const PageMapping& mapping) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const OpPainter paint(painter, mapping);
    for (const PageOp& op : page.ops) std::visit(paint, op);
    painter.restore();
}

}  // namespace bio
