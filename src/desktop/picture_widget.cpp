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
    // Pens grow with the screen's scale like everything else: a pixel of pen
    // width is a 96th of a logical inch, so twice as many device pixels at 200 %.
    CanvasTarget target{area,
                        {0, 0, area.width() * twipsPerPixel, area.height() * twipsPerPixel},
                        logicalDpiX() / kScreenPixelsPerInch,
                        font()};
    paintCanvas(painter, ops_, target);
}

}  // namespace bio
