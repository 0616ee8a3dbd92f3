#include "desktop/frame_box.h"

#include <QPainter>

namespace bio {

namespace {

constexpr int kCaptionInset = 6;  // pixels from the left edge to the caption
constexpr int kCaptionGap = 2;    // blank on each side of the caption

}  // namespace

FrameBox::FrameBox(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {}

void FrameBox::setTitle(const QString& title) {
    if (title == title_) return;
    title_ = title;
    update();
}

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    // The edge runs through the middle of the caption's line.
    const QRect edge = rect().adjusted(0, metrics.height() / 2, -2, -2);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(edge);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(edge.translated(1, 1));
    if (title_.isEmpty()) return;
    const int captionWidth =
        std::min(metrics.horizontalAdvance(title_) + 2 * kCaptionGap, width() - kCaptionInset);
    const QRect caption(kCaptionInset, 0, captionWidth, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption.adjusted(kCaptionGap, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     title_);
}

}  // namespace bio
