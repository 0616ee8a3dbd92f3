#include "desktop/page_painter.h"

#include <QFontMetricsF>
#include <QPainter>

#include "desktop/canvas_painter.h"
#include "desktop/japanese_fonts.h"
#include "desktop/twips.h"
#include "shell/catalogue.h"

namespace bio {

namespace {

QColor qtColor(const Rgb& color) { return QColor(color.r, color.g, color.b); }

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
        const QRectF area(at(rect.x, rect.y), QSizeF(length(rect.width), length(rect.height)));
        if (rect.filled) {
            painter_.fillRect(area, qtColor(rect.color));
            return;
        }
        painter_.setPen(QPen(qtColor(rect.color), length(rect.lineWidth)));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(area);
    }

    // Scaled from its size on the screen to the rectangle: pens and the
    // picture's font shrink or grow with it.
    void operator()(const PagePicture& picture) const {
        const PictureSource& source = picture.source;
        const double scale =
            (picture.width / kMmPerInch) / (source.widthTwips / kTwipsPerInch);  // of an inch
        QFont font = pictureFont(source);
        font.setPointSizeF(font.pointSizeF() * scale);
        const CanvasTarget target{
            QRectF(at(picture.x, picture.y), QSizeF(length(picture.width), length(picture.height))),
            {0, 0, static_cast<double>(source.widthTwips), static_cast<double>(source.heightTwips)},
            mapping_.dotsPerMm * kMmPerInch / kScreenPixelsPerInch * scale,
            font};
        paintCanvas(painter_, source.canvas ? source.canvas->ops() : std::vector<CanvasOp>{},
                    target);
    }

  private:
    QPointF at(double x, double y) const {
        return {length(x - mapping_.origin.x()), length(y - mapping_.origin.y())};
    }
    double length(double mm) const { return mm * mapping_.dotsPerMm; }

    QPainter& painter_;
    const PageMapping& mapping_;
};

}  // namespace

QFont pictureFont(const PictureSource& picture) {
    if (auto id = screenFromName(picture.screen)) {
        const ScreenDesign& design = screenDesign(*id);
        for (const ControlDesign& control : design.controls)
            if (controlKey(control.name, control.index) == picture.control)
                return qtFont(control.font.value_or(design.font));
        return qtFont(design.font);
    }
    return qtFont(Font{});
}

void paintPage(QPainter& painter, const Page& page, const PageMapping& mapping) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const OpPainter paint(painter, mapping);
    for (const PageOp& op : page.ops) std::visit(paint, op);
    painter.restore();
}

}  // namespace bio
