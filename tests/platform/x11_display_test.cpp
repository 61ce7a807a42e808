// The real X11 display, on a virtual 1024 x 768 screen of its own whose
// windows are drawn at twice the scale.
#include "platform/x11_display.h"

#include "support/virtual_screen.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>


// The narrow-screen rule is about the screen itself: scaled windows see a
// 512 x 384 screen, which is no reason to switch the display.
TEST(X11Display, ReportsTheScreenInItsOwnPixelsWhateverTheWindowsScale)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->size(), QSize(512, 384));
    EXPECT_EQ(X11Display().screenSize(), QSize(1024, 768));
}

// The virtual server offers its one size only.
TEST(X11Display, ASizeTheServerDoesNotOfferIsRefusedAndTheScreenKeepsItsSize)
{
    X11Display display;
    EXPECT_EQ(display.setMode(800, 600, 16, false), std::nullopt);
    EXPECT_EQ(display.screenSize(), QSize(1024, 768));
}

int main(int argc, char** argv)
{
    return runTestsOnAScaledVirtualScreen<QGuiApplication>(argc, argv);
}
