// Passing the controls' arithmetic to Qt's painting: colours and pixel
// rectangles.
#pragma once

#include "controls/pixel_rect.h"
#include "controls/rgb_color.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QWidget>

inline QColor toQColor(RgbColor color) {
    return QColor(color.red, color.green, color.blue);
}

inline RgbColor toRgbColor(const QColor& color) {
    return {color.red(), color.green(), color.blue()};
}

// An empty rectangle paints nothing, as QPainter would otherwise flip it.
inline void fillPixelRect(QPainter& painter, const PixelRect& area, const QColor& color) {
    if (!area.isEmpty()) {
        painter.fillRect(area.left, area.top, area.right - area.left, area.bottom - area.top,
                         color);
    }
}

// A widget's picture drawn off screen, in the screen's own pixels: painted
// in the widget's coordinates, it stays sharp on a magnified screen.
inline QImage widgetCanvas(const QWidget& widget) {
    const qreal scale = widget.devicePixelRatioF();
    QImage canvas(widget.size() * scale, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(scale);
    return canvas;
}

// The canvas still matches the widget's size and scale.
inline bool isCanvasOf(const QImage& canvas, const QWidget& widget) {
    return canvas.size() == widget.size() * widget.devicePixelRatioF() &&
           canvas.devicePixelRatio() == widget.devicePixelRatioF();
}
