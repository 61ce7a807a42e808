#include "windows/splash_window.h"

#include "machine_facts.h"
#include "top_level.h"

#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

const QColor Background(0xC0, 0xC0, 0xC0);
const QColor IconColour(0x00, 0x80, 0x40);
const QColor Red(0xFF, 0x00, 0x00);

QIcon plainIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(IconColour);
    return QIcon(pixmap);
}

VersionInfo sampleVersion() {
    return VersionInfo{QStringLiteral("Телевикторина"),
                       QStringLiteral("1.0.0"),
                       QStringLiteral("(C) 2026 ZeZoza"),
                       QStringLiteral("ZeZoza"),
                       QString(),
                       QStringLiteral("Zambrel!")};
}

// Shows the splash for one test and closes it after.
struct ShownSplash {
    ShownSplash() {
        ShowSplash(plainIcon(), QStringLiteral("Добро пожаловать"), sampleMachine(),
                   sampleVersion());
    }
    ~ShownSplash() { CloseSplash(); }

    QWidget* window() const { return topLevelNamed(QStringLiteral("EFD_Splash")); }
    QImage image() const { return window()->grab().toImage(); }
};

// Pixels darker than the background in a band: where text was drawn.
QRect inkBounds(const QImage& image, const QRect& band) {
    QRect bounds;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x)
            if (image.pixelColor(x, y).lightness() < 96)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

TEST(SplashWindow, StandsCentredOnTopAt349By279WithBusyCursor) {
    const ShownSplash splash;
    QWidget* window = splash.window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Добро пожаловать"));
    EXPECT_EQ(window->frameGeometry().size(), QSize(349, 279));
    const QRect screen = window->screen()->geometry();
    EXPECT_EQ(window->frameGeometry().left() - screen.left(), (screen.width() - 349) / 2);
    EXPECT_EQ(window->frameGeometry().top() - screen.top(), (screen.height() - 279) / 2);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window->cursor().shape(), Qt::WaitCursor);
}

TEST(SplashWindow, ShowsTheIconAtSixteenSixteen) {
    const ShownSplash splash;
    const QImage image = splash.image();
    EXPECT_EQ(image.pixelColor(16, 16), IconColour);
    EXPECT_EQ(image.pixelColor(47, 47), IconColour);
    EXPECT_EQ(image.pixelColor(15, 30), Background);
    EXPECT_EQ(image.pixelColor(48, 30), Background);
}

// A shadow row at 168 over a light row, from x = 80 to 328.
TEST(SplashWindow, DrawsTheEtchedRuleUnderTheRegistration) {
    const ShownSplash splash;
    const QImage image = splash.image();
    const QColor shadow = image.pixelColor(80, 168);
    const QColor light = image.pixelColor(80, 169);
    EXPECT_NE(shadow, Background);
    EXPECT_NE(light, Background);
    EXPECT_NE(shadow, light);
    EXPECT_EQ(countColour(image, QRect(80, 168, 249, 1), shadow), 249);
    EXPECT_EQ(countColour(image, QRect(80, 169, 249, 1), light), 249);
    EXPECT_EQ(image.pixelColor(79, 168), Background);
    EXPECT_EQ(image.pixelColor(329, 168), Background);
    EXPECT_EQ(image.pixelColor(200, 167), Background);
    EXPECT_EQ(image.pixelColor(200, 170), Background);
}

// The name stands in large red letters from (80, 16), and nowhere else is red.
TEST(SplashWindow, ShowsTheProductNameLargeAndRedAtTheTop) {
    const ShownSplash splash;
    const QImage image = splash.image();
    const int inName = countColour(image, QRect(80, 16, 200, 28), Red);
    EXPECT_GT(inName, 100);
    EXPECT_EQ(countColour(image, image.rect(), Red), inName);
    EXPECT_EQ(countColour(image, QRect(0, 0, 80, image.height()), Red), 0);
    EXPECT_EQ(countColour(image, QRect(0, 0, image.width(), 16), Red), 0);
}

// "... память:" starts the line; the memory figure ends at x = 329.
TEST(SplashWindow, MemoryFigureEndsAtTheRightEdgeOfTheRule) {
    const ShownSplash splash;
    const QImage image = splash.image();
    const QRect figure = inkBounds(image, QRect(260, 192, 80, 14));
    ASSERT_FALSE(figure.isEmpty());
    EXPECT_GE(figure.right(), 324);
    EXPECT_LE(figure.right(), 328);
    const QRect label = inkBounds(image, QRect(70, 192, 100, 14));
    ASSERT_FALSE(label.isEmpty());
    EXPECT_GE(label.left(), 80);
    EXPECT_LE(label.left(), 82);
}

TEST(SplashWindow, ShowingAgainKeepsOneWindowAndClosingTwiceIsHarmless) {
    ShowSplash(plainIcon(), QStringLiteral("Добро пожаловать"), sampleMachine(), sampleVersion());
    ShowSplash(plainIcon(), QStringLiteral("О программе.."), sampleMachine(), sampleVersion());
    const QWidgetList splashes = topLevelsNamed(QStringLiteral("EFD_Splash"));
    ASSERT_EQ(splashes.size(), 1);
    EXPECT_EQ(splashes.constFirst()->windowTitle(), QStringLiteral("О программе.."));
    CloseSplash();
    EXPECT_TRUE(topLevelsNamed(QStringLiteral("EFD_Splash")).isEmpty());
    CloseSplash();
    EXPECT_TRUE(topLevelsNamed(QStringLiteral("EFD_Splash")).isEmpty());
}
