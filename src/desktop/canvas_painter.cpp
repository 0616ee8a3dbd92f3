#include "desktop/canvas_painter.h"

#include <QPainter>

#include "desktop/qt_convert.h"

namespace bio {

namespace {

class PainterSink : public CanvasSink {
  public:
    explicit PainterSink(QPainter& painter)
        : painter_(painter), ascent_(painter.fontMetrics().ascent()) {}

    void line(PointF from, PointF to, Rgb color, double width) override {
        painter_.setPen(QPen(qtColor(color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter_.drawLine(qtPoint(from), qtPoint(to));
    }

    // The corner is mapped already and the text drawn untransformed: a flipped
    // scale must not turn the letters upside down.
    void text(PointF topLeft, Rgb color, const std::string& text) override {
        painter_.setPen(qtColor(color));
        painter_.drawText(qtPoint(topLeft) + QPointF(0, ascent_), QString::fromStdString(text));
    }

  private:
    QPainter& painter_;
    double ascent_;
};

}  // namespace

void paintCanvas(QPainter& painter, const std::vector<CanvasOp>& ops, const CanvasTarget& target,
                 const QFont& font) {
    painter.save();
    painter.setClipRect(qtRect(target.area));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    PainterSink sink(painter);
    replayCanvas(ops, target, sink);
    painter.restore();
}

}  // namespace bio
