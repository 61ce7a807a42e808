// Passing colours between the controls' arithmetic and Qt's painting.
#pragma once

#include "controls/rgb_color.h"

#include <QColor>

inline QColor toQColor(RgbColor color) {
    return QColor(color.red, color.green, color.blue);
}

inline RgbColor toRgbColor(const QColor& color) {
    return {color.red(), color.green(), color.blue()};
}
