#include "windows/balloon_tip.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QColor Yellow(0xFF, 0xFF, 0x00);

// The balloon as it stands on the screen, on a transparent sheet.
QImage picture(BalloonTip& balloon) {
    QImage image(balloon.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    balloon.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool seen(const QImage& image, int x, int y) {
    return image.rect().contains(x, y) && image.pixelColor(x, y).alpha() > 0;
}

// Distance from the mouse to the nearest pixel of the balloon.
double reachFrom(const BalloonTip& balloon, const QImage& image, QPoint mouse) {
    double nearest = 1e9;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (seen(image, x, y)) {
                const QPoint d = balloon.mapToGlobal(QPoint(x, y)) - mouse;
                nearest = std::min(nearest, std::hypot(d.x(), d.y()));
            }
    return nearest;
}

struct ShownBalloon {
    explicit ShownBalloon(QPoint mouse, const QString& text = QStringLiteral("Новая игра"))
        : mouse(mouse) {
        balloon.showText(text, mouse);
        image = picture(balloon);
        ellipse = balloon.shape().ellipse;
    }

    QPoint mouse;
    BalloonTip balloon;
    QImage image;
    QRect ellipse;
};

} // namespace

TEST(BalloonTip, IsYellowInsideTheEllipseAndTransparentInTheCorners) {
    const ShownBalloon shown(QPoint(100, 100));
    const QImage& image = shown.image;
    ASSERT_FALSE(shown.ellipse.isEmpty());
    const QPoint centre = shown.ellipse.center();
    EXPECT_EQ(image.pixelColor(centre.x(), shown.ellipse.top() + 3), Yellow);
    EXPECT_EQ(image.pixelColor(shown.ellipse.left() + 4, centre.y()), Yellow);
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    EXPECT_EQ(image.pixelColor(right, 0).alpha(), 0);
    EXPECT_EQ(image.pixelColor(0, bottom).alpha(), 0);
    EXPECT_EQ(image.pixelColor(right, bottom).alpha(), 0);
}

// The shadow shows two pixels beyond the ellipse to the right and below,
// and none above it.
TEST(BalloonTip, CastsATwoPixelShadowDownAndRight) {
    const ShownBalloon shown(QPoint(100, 100));
    const QImage& image = shown.image;
    const int row = shown.ellipse.center().y() + 2;
    const int column = shown.ellipse.center().x() + 2;
    const int right = shown.ellipse.right() + 1;
    const int bottom = shown.ellipse.bottom() + 1;
    EXPECT_EQ(image.pixelColor(right - 3, row), Yellow);
    for (int x : {right, right + 1}) {
        EXPECT_GT(image.pixelColor(x, row).alpha(), 224) << x;
        EXPECT_LT(image.pixelColor(x, row).lightness(), 96) << x;
    }
    for (int y : {bottom, bottom + 1}) {
        EXPECT_GT(image.pixelColor(column, y).alpha(), 224) << y;
        EXPECT_LT(image.pixelColor(column, y).lightness(), 96) << y;
    }
    EXPECT_EQ(image.size(), QSize(right + 2, bottom + 2)); // and the balloon ends there
    EXPECT_EQ(image.pixelColor(column, shown.ellipse.top() - 2).alpha(), 0);
}

TEST(BalloonTip, CentresItsTextInBlack) {
    const ShownBalloon shown(QPoint(100, 100), QStringLiteral("Звонок другу\nи помощь зала"));
    // Dark pixels well inside the ellipse, clear of its black outline.
    const QPointF centre = QRectF(shown.ellipse).center();
    const double rx = shown.ellipse.width() / 2.0 - 3;
    const double ry = shown.ellipse.height() / 2.0 - 3;
    QRect ink;
    for (int y = shown.ellipse.top(); y <= shown.ellipse.bottom(); ++y)
        for (int x = shown.ellipse.left(); x <= shown.ellipse.right(); ++x) {
            const double dx = (x + 0.5 - centre.x()) / rx;
            const double dy = (y + 0.5 - centre.y()) / ry;
            if (dx * dx + dy * dy < 1 && shown.image.pixelColor(x, y).lightness() < 64)
                ink |= QRect(x, y, 1, 1);
        }
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), shown.ellipse.center().x(), 3);
    EXPECT_NEAR(ink.center().y(), shown.ellipse.center().y(), 3);
    EXPECT_GT(ink.height(), 2 * shown.balloon.fontMetrics().ascent()); // both lines
}

// Its tail touches the mouse, and the balloon stands below and right of it.
TEST(BalloonTip, TailTouchesTheMouse) {
    const ShownBalloon shown(QPoint(100, 100));
    EXPECT_LE(reachFrom(shown.balloon, shown.image, shown.mouse), 1.5);
    EXPECT_GE(shown.balloon.x(), 100);
    EXPECT_GE(shown.balloon.y(), 100);
    EXPECT_GT(shown.balloon.mapToGlobal(shown.ellipse.topLeft()).y(), 110);
}

// In the bottom right corner of the screen it turns up and to the left.
TEST(BalloonTip, TurnsAwayFromTheEdgesOfTheScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint corner = area.bottomRight() - QPoint(5, 5);
    const ShownBalloon shown(corner);
    EXPECT_LE(reachFrom(shown.balloon, shown.image, corner), 1.5);
    EXPECT_TRUE(area.contains(shown.balloon.geometry()));
    EXPECT_LT(shown.balloon.mapToGlobal(shown.ellipse.bottomRight()).y(), corner.y() - 10);
    EXPECT_EQ(shown.image.pixelColor(0, 0).alpha(), 0);
}
