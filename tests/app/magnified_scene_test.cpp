// The game on a 1366 × 768 screen: the program magnifies its 800 × 600
// scene before Qt starts, and the main window shows it across the middle,
// its pictures drawn in the screen's own pixels.
#include "app/game_program.h"
#include "app/main_window.h"
#include "platform/x11_monitor_probe.h"
#include "storage/settings_store.h"
#include "support/fake_services.h"
#include "support/virtual_screen.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <iostream>

namespace {

constexpr int DeadlineMs = 3000;
const QSize ScreenPixels(1366, 768);

} // namespace

TEST(MagnifiedSceneTest, TheProbeSeesThePrimaryMonitorInItsOwnPixels)
{
    const std::optional<PrimaryMonitor> monitor = probePrimaryMonitor();
    ASSERT_TRUE(monitor);
    EXPECT_EQ(monitor->pixels, ScreenPixels);
    EXPECT_EQ(monitor->output, QGuiApplication::primaryScreen()->name());
}

TEST(MagnifiedSceneTest, TheScreenHoldsTheSceneExactlyInHeight)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    EXPECT_DOUBLE_EQ(screen->devicePixelRatio(), 1.28);
    EXPECT_EQ(screen->geometry().size(), QSize(1067, 600));
}

TEST(MagnifiedSceneTest, TheMainWindowShowsTheSceneAcrossTheMiddleWithSharpPictures)
{
    QTemporaryDir home;
    FakeServices fakes(home.path());
    fakes.display.size = ScreenPixels;
    SettingsStore settings(fakes.services.paths.settingsFile);
    MainWindow form(fakes.services, settings);
    form.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form, DeadlineMs));
    const QWidget* client = form.centralWidget();
    QTRY_COMPARE_WITH_TIMEOUT(client->width(), 1067, DeadlineMs);

    EXPECT_EQ(form.scene->geometry(), QRect((1067 - 800) / 2, 0, 800, client->height()));
    EXPECT_EQ(form.picture->geometry(), QRect((800 - 130) / 2, 55, 130, 130));
    const QPixmap picture = form.picture->pixmap();
    EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), 1.28);
    EXPECT_EQ(picture.size(), QSize(166, 166));
}

int main(int argc, char** argv)
{
    const VirtualScreen screen("1366x768x24");
    if (!screen.isUp()) {
        std::cerr << "No virtual X screen: is Xvfb installed?\n";
        return 1;
    }
    qputenv("DISPLAY", screen.display());
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    magnifySceneToScreen();
    int result = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    return result;
}
