#pragma once
// The view library's plain geometry and colours as Qt's types, and back.

#include <QColor>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>

#include "ui/screen.h"
#include "view/canvas_replay.h"
#include "view/pixels.h"

namespace bio {

inline QColor qtColor(const Rgb& color) { return QColor(color.r, color.g, color.b); }
inline Rgb rgbOf(const QColor& color) { return {color.red(), color.green(), color.blue()}; }

inline QPoint qtPoint(const PixelPoint& point) { return {point.x, point.y}; }
inline PixelPoint pixelPointOf(const QPoint& point) { return {point.x(), point.y()}; }
inline PixelSize pixelSizeOf(const QSize& size) { return {size.width(), size.height()}; }
inline QRect qtRect(const PixelRect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}
inline PixelRect pixelRectOf(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

inline QPointF qtPoint(const PointF& point) { return {point.x, point.y}; }
inline QRectF qtRect(const AreaF& area) { return {area.left, area.top, area.width, area.height}; }
inline AreaF areaOf(const QRectF& rect) {
    return {rect.left(), rect.top(), rect.width(), rect.height()};
}

}  // namespace bio
