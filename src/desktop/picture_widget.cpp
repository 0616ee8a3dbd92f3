#include "desktop/picture_widget.h"

#include <QPainter>

#include "desktop/canvas_painter.h"
#include "desktop/twips.h"

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
    // Until the drawing sets a scale, the units are twips of the drawable area.
    const double twipsPerPixel = kTwipsPerInch / logicalDpiX();
    CanvasTarget target{area,
                        {0, 0, area.width() * twipsPerPixel, area.height() * twipsPerPixel},
                        1.0 / devicePixelRatioF(),
                        font()};
    paintCanvas(painter, ops_, target);
}

}  // namespace bio
