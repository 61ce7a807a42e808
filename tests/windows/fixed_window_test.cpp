#include "windows/fixed_window.h"

#include <gtest/gtest.h>

// 8 points is the 11-pixel dialog font that gives the splash its 16-pixel lines.
TEST(FixedWindow, DialogFontsAreSizedInPixelsOfA96DpiScreen) {
    EXPECT_EQ(FixedWindow::dialogFont(8).pixelSize(), 11);
    EXPECT_EQ(FixedWindow::dialogFont(9).pixelSize(), 12);
    EXPECT_EQ(FixedWindow::dialogFont(11).pixelSize(), 15);
    EXPECT_EQ(FixedWindow::dialogFont(18).pixelSize(), 24);
}
