#include "windows/balloon_shape.h"

#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace {

constexpr int TailHeight = 14;
constexpr int PaddingX = 8;
constexpr int PaddingY = 5;

// The text's rectangle fits an ellipse whose half-axes are its own half-sides
// times the square root of two.
int halfAxis(int textSide, int padding) {
    return static_cast<int>(std::ceil(textSide / std::numbers::sqrt2)) + padding;
}

QPointF onEllipse(const QRectF& ellipse, double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return {ellipse.center().x() + ellipse.width() / 2 * std::cos(radians),
            ellipse.center().y() - ellipse.height() / 2 * std::sin(radians)};
}

} // namespace

BalloonShape balloonShape(QSize textSize, Qt::Corner tipCorner) {
    const int width = 2 * halfAxis(textSize.width(), PaddingX);
    const int height = 2 * halfAxis(textSize.height(), PaddingY);
    const QSize body(width, height + TailHeight);

    // Drawn with the tip at the top left, then mirrored to its corner.
    const QRectF ellipse(0, TailHeight, width, height);
    QPainterPath outline;
    outline.addEllipse(ellipse);
    QPainterPath tail;
    tail.addPolygon(QPolygonF({QPointF(0, 0), onEllipse(ellipse, 115), onEllipse(ellipse, 150)}));
    tail.closeSubpath();
    outline = outline.united(tail);

    const bool right = tipCorner == Qt::TopRightCorner || tipCorner == Qt::BottomRightCorner;
    const bool bottom = tipCorner == Qt::BottomLeftCorner || tipCorner == Qt::BottomRightCorner;
    const QTransform mirror(right ? -1 : 1, 0, 0, bottom ? -1 : 1, right ? body.width() : 0,
                            bottom ? body.height() : 0);

    BalloonShape shape;
    shape.size = body + QSize(BalloonShadowOffset, BalloonShadowOffset);
    shape.ellipse = QRect(0, bottom ? 0 : TailHeight, width, height);
    shape.outline = mirror.map(outline);
    shape.tip = QPoint(right ? body.width() : 0, bottom ? body.height() : 0);
    return shape;
}
