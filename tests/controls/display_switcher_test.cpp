// The display switcher holds the size of the screen the game runs on.
#include "controls/display_switcher.h"

#include "support/fake_services.h"

#include <gtest/gtest.h>

TEST(DisplaySwitcher, HoldsTheSizeTheScreenHadWhenItWasMade)
{
    FakeDisplay display;
    display.size = QSize(640, 480);
    const TDisplaySwitcher switcher(display);
    EXPECT_EQ(switcher.CurrentWidth(), 640);
    EXPECT_EQ(switcher.CurrentHeight(), 480);
}

// The display's own answer counts: the screen the windows see still says
// 640 x 480 until the event loop has run.
TEST(DisplaySwitcher, AfterASwitchHoldsTheNewSizeAtOnce)
{
    FakeDisplay display;
    display.size = QSize(640, 480);
    TDisplaySwitcher switcher(display);
    switcher.SetDisplaySettings(800, 600, 16, false);
    EXPECT_EQ(switcher.CurrentWidth(), 800);
    EXPECT_EQ(switcher.CurrentHeight(), 600);
}

TEST(DisplaySwitcher, ARefusedSwitchLeavesTheSizeAsItWas)
{
    FakeDisplay display;
    display.size = QSize(640, 480);
    display.allowChanges = false;
    TDisplaySwitcher switcher(display);
    switcher.SetDisplaySettings(800, 600, 16, false);
    EXPECT_EQ(switcher.CurrentWidth(), 640);
    EXPECT_EQ(switcher.CurrentHeight(), 480);
    EXPECT_EQ(display.requests.size(), 1u);
}
