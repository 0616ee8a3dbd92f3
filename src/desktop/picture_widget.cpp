#include "desktop/picture_widget.h"

#include <QPainter>

#include "desktop/canvas_painter.h"
#include "desktop/qt_convert.h"

namespace bio {

PictureWidget::PictureWidget(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

void PictureWidget::showDrawing(const std::vector<CanvasOp>& ops) {
    if (ops == ops_) return;
    ops_ = ops;
    update();
}

void PictureWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRectF area = contentsRect();
    painter.fillRect(area, Qt::white);
    paintCanvas(painter, ops_, screenCanvasTarget(areaOf(area), logicalDpiX()), font());
}

}  // namespace bio
