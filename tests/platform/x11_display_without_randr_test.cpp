// An X server without the extension that changes modes: the display keeps
// its size and says no, and the game goes on.
#include "platform/x11_display.h"
#include "platform/x11_monitor_probe.h"

#include "support/virtual_screen.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <iostream>

TEST(X11Display, WithoutRandrEveryModeChangeIsRefusedAndTheSizeStillRead)
{
    X11Display display;
    EXPECT_EQ(display.setMode(800, 600, 16, false), std::nullopt);
    EXPECT_EQ(display.setMode(640, 480, 16, true), std::nullopt);
    EXPECT_EQ(display.screenSize(), QSize(640, 480));
}

// The screen is then the whole X screen, and no output has a name.
TEST(X11Display, WithoutRandrTheProbeSeesTheWholeScreen)
{
    const std::optional<PrimaryMonitor> monitor = probePrimaryMonitor();
    ASSERT_TRUE(monitor);
    EXPECT_EQ(monitor->pixels, QSize(640, 480));
    EXPECT_TRUE(monitor->output.isEmpty());
}

int main(int argc, char** argv)
{
    const VirtualScreen screen("640x480x24", "RANDR");
    if (!screen.isUp()) {
        std::cerr << "No virtual X screen: is Xvfb installed?\n";
        return 1;
    }
    qputenv("DISPLAY", screen.display());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
