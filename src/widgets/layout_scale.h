#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtMath>

namespace widgets {

/// The display sizes below 100 %. Qt's own scale factor shrinks a window below 1 but not what
/// its widgets paint, which is then cut off; so the windows keep laying themselves out in
/// pixels at 100 %, and every place, size and font they set goes through the functions below.
/// At 1 (the default, and every size from 100 % up) they change nothing at all.
inline double& LayoutScaleSetting() {
    static double scale = 1.0;
    return scale;
}

inline double LayoutScale() {
    return LayoutScaleSetting();
}

/// Set once at start, before any window is made.
inline void SetLayoutScale(double scale) {
    LayoutScaleSetting() = scale;
}

inline int Scaled(int pixels) {
    return qRound(pixels * LayoutScale());
}

inline QPoint Scaled(const QPoint& point) {
    return QPoint(Scaled(point.x()), Scaled(point.y()));
}

inline QSize Scaled(const QSize& size) {
    return QSize(Scaled(size.width()), Scaled(size.height()));
}

/// A screen's extent in pixels at 100 %: the room the layouts, made for 100 %, have on it.
/// A short screen at a size below 100 % is not short for the layout.
inline int AtFullSize(int screenPixels) {
    return qRound(screenPixels / LayoutScale());
}

/// Corners are scaled rather than the size, so that controls that touch at 100 % still touch.
inline QRect Scaled(const QRect& rect) {
    const QPoint topLeft = Scaled(rect.topLeft());
    const QPoint end = Scaled(rect.topLeft() + QPoint(rect.width(), rect.height()));
    return QRect(topLeft.x(), topLeft.y(), end.x() - topLeft.x(), end.y() - topLeft.y());
}

/// The font at the layout's scale, whether it is sized in points or in pixels.
inline QFont ScaledFont(QFont font) {
    if (LayoutScale() == 1.0)
        return font;
    if (font.pixelSize() > 0)
        font.setPixelSize(qMax(1, Scaled(font.pixelSize())));
    else
        font.setPointSizeF(font.pointSizeF() * LayoutScale());
    return font;
}

}  // namespace widgets
