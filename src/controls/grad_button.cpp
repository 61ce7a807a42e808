#include "controls/grad_button.h"

#include "controls/bevel.h"
#include "controls/gradient_bands.h"
#include "controls/qt_paint.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

TGradButton::TGradButton(QWidget* parent)
    : QWidget(parent) {
    // Every pixel is painted here, so Qt need not clear the area first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 30);
    renderGradient();
}

template <typename T> bool TGradButton::change(T& member, const T& value) {
    if (member == value) {
        return false;
    }
    member = value;
    return true;
}

void TGradButton::setGradColor(const QColor& color) {
    if (change(m_gradColor, color)) {
        renderGradient();
        repaint();
    }
}

void TGradButton::setFaceColor(const QColor& color) {
    if (change(m_faceColor, color)) {
        renderGradient();
        repaint();
    }
}

void TGradButton::setHighlightColor(const QColor& color) {
    if (change(m_highlightColor, color)) {
        repaint();
    }
}

void TGradButton::setShadowColor(const QColor& color) {
    if (change(m_shadowColor, color)) {
        repaint();
    }
}

void TGradButton::setBevelWidth(int width) {
    if (change(m_bevelWidth, width)) {
        repaint();
    }
}

void TGradButton::setBorderWidth(int width) {
    if (change(m_borderWidth, width)) {
        repaint();
    }
}

void TGradButton::setCaption(const QString& caption) {
    if (change(m_caption, caption)) {
        repaint();
    }
}

void TGradButton::setFontColor(const QColor& color) {
    if (change(m_fontColor, color)) {
        repaint();
    }
}

QSize TGradButton::gradientSize() const {
    return {std::max(0, width() - 2 * m_borderWidth), std::max(0, height() - 2 * m_borderWidth)};
}

void TGradButton::renderGradient() {
    const QSize size = gradientSize();
    m_gradient = QImage(size, QImage::Format_RGB32);
    if (m_gradient.isNull()) {
        return;
    }
    for (const GradientBand& band :
         gradientBands(size.height(), toRgbColor(m_gradColor), toRgbColor(m_faceColor))) {
        const QRgb pixel = toQColor(band.color).rgb();
        for (int row = band.firstRow; row < band.endRow; ++row) {
            auto* line = reinterpret_cast<QRgb*>(m_gradient.scanLine(row));
            std::fill(line, line + size.width(), pixel);
        }
    }
}

void TGradButton::paintEvent(QPaintEvent*) {
    const QFontMetrics metrics(font());
    const int x = (width() - metrics.horizontalAdvance(m_caption)) / 2;
    const int y = (height() - metrics.height()) / 2;
    if (m_gradient.size() != gradientSize()) {
        renderGradient();
    }

    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const int shift = m_pressed ? 1 : 0;
    painter.drawImage(m_borderWidth + shift, m_borderWidth + shift, m_gradient);
    const QColor& upperLeft = m_pressed ? m_shadowColor : m_highlightColor;
    const QColor& lowerRight = m_pressed ? m_faceColor : m_shadowColor;
    const PixelRect inner = PixelRect{0, 0, width(), height()}.shrunk(m_borderWidth);
    for (const BevelStroke& stroke : bevelStrokes(inner, m_bevelWidth)) {
        fillPixelRect(painter, stroke.area, stroke.upperLeft ? upperLeft : lowerRight);
    }
    // One line drawn as it is: no mnemonic, no background behind the letters.
    painter.setPen(m_fontColor);
    painter.drawText(QPoint(x + shift, y + shift + metrics.ascent()), m_caption);
}

bool TGradButton::isOver(const QPoint& point) const {
    // The bottom edge itself still counts as over the button.
    return point.x() >= 0 && point.x() < width() && point.y() >= 0 && point.y() <= height();
}

void TGradButton::setPressed(bool pressed) {
    if (m_pressed != pressed) {
        m_pressed = pressed;
        repaint();
    }
}

void TGradButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    m_tracking = true;
    setPressed(true);
}

void TGradButton::mouseMoveEvent(QMouseEvent* event) {
    if (m_tracking) {
        setPressed(isOver(event->position().toPoint()));
    }
}

void TGradButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_tracking) {
        return;
    }
    m_tracking = false;
    setPressed(false);
    if (isOver(event->position().toPoint())) {
        emit clicked();
    }
}
