#include "controls/qz_gradient.h"

#include "controls/background_gradient.h"
#include "controls/qt_paint.h"

#include <QPainter>
#include <QWidget>

TQzGradient::TQzGradient(QWidget* form)
    : ThgFormFx(form) {}

void TQzGradient::setColorTop(const QColor& color) {
    setColor(m_colorTop, color);
}

void TQzGradient::setColorBottom(const QColor& color) {
    setColor(m_colorBottom, color);
}

void TQzGradient::setColor(QColor& member, const QColor& color) {
    if (member != color) {
        member = color;
        form().update();
    }
}

void TQzGradient::effect(QWidget& form, QPainter& painter) {
    emit gradientBegin();
    const int width = form.width();
    int row = 0;
    for (const RgbColor& color :
         backgroundRows(form.height(), toRgbColor(m_colorTop), toRgbColor(m_colorBottom))) {
        painter.fillRect(0, row++, width, 1, toQColor(color));
    }
    emit gradientEnd();
}
