#include "windows/balloon_tip.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPathStroker>
#include <QScreen>
#include <QToolTip>

namespace {

const QColor BalloonColour(0xFF, 0xFF, 0x00);
const QColor ShadowColour(0x40, 0x40, 0x40);
const QColor TextColour(0x00, 0x00, 0x00);

// The balloon, its shadow and the soft fringe of their edges.
QRegion maskFor(const QPainterPath& outline) {
    QPainterPath covered =
        outline.united(outline.translated(BalloonShadowOffset, BalloonShadowOffset));
    QPainterPathStroker fringe;
    fringe.setWidth(2);
    covered = covered.united(fringe.createStroke(covered));
    return QRegion(covered.toFillPolygon().toPolygon(), Qt::WindingFill);
}

} // namespace

BalloonTip::BalloonTip()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(QToolTip::font());
}

void BalloonTip::showText(const QString& text, QPoint mousePosition) {
    m_text = text;
    const QSize textSize = fontMetrics().size(0, text);
    const Qt::Corner corner =
        tipCornerFor(mousePosition, balloonShape(textSize, Qt::TopLeftCorner).size);
    m_shape = balloonShape(textSize, corner);
    setFixedSize(m_shape.size);
    // Without a compositor a translucent window would show its corners: the
    // mask cuts them off.
    setMask(maskFor(m_shape.outline));
    move(mousePosition - m_shape.tip);
    show();
    update();
}

Qt::Corner BalloonTip::tipCornerFor(QPoint mousePosition, QSize size) const {
    const QScreen* screen = QGuiApplication::screenAt(mousePosition);
    if (screen == nullptr)
        return Qt::TopLeftCorner;
    const QRect area = screen->availableGeometry();
    const bool right = mousePosition.x() + size.width() > area.right();
    const bool bottom = mousePosition.y() + size.height() > area.bottom();
    if (bottom)
        return right ? Qt::BottomRightCorner : Qt::BottomLeftCorner;
    return right ? Qt::TopRightCorner : Qt::TopLeftCorner;
}

void BalloonTip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ShadowColour);
    painter.drawPath(m_shape.outline.translated(BalloonShadowOffset, BalloonShadowOffset));
    painter.setBrush(BalloonColour);
    painter.setPen(QPen(TextColour, 1));
    painter.drawPath(m_shape.outline);
    painter.drawText(m_shape.ellipse, Qt::AlignCenter, m_text);
}
