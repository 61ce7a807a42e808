// Passing the controls' arithmetic to Qt's painting: colours and pixel
// rectangles.
#pragma once

#include "controls/pixel_rect.h"
#include "controls/rgb_color.h"

#include <QColor>
#include <QPainter>

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
