#include "windows/message_window_layout.h"

#include <gtest/gtest.h>

TEST(MessageWindowLayout, NarrowTextGetsTheMinimumWidthPlusMargin) {
    EXPECT_EQ(messageWindowLayout(40, 17).width, 168);
    EXPECT_EQ(messageWindowLayout(85, 17).width, 168); // 85 + 42 = 127 is still under 128
}

TEST(MessageWindowLayout, WideTextGetsHalfItsWidthAgainPlusMargin) {
    EXPECT_EQ(messageWindowLayout(200, 17).width, 340);
    EXPECT_EQ(messageWindowLayout(86, 17).width, 169);
    EXPECT_EQ(messageWindowLayout(201, 17).width, 341); // the half is truncated
}

TEST(MessageWindowLayout, HeightIsFiveTextLines) {
    EXPECT_EQ(messageWindowLayout(200, 17).height, 85);
    EXPECT_EQ(messageWindowLayout(200, 18).height, 90);
}

// The text stands one line down, a little right of the centre.
TEST(MessageWindowLayout, TextStandsCentredPlusFiveOneLineDown) {
    const MessageWindowLayout narrow = messageWindowLayout(40, 17);
    EXPECT_EQ(narrow.textX, 69);
    EXPECT_EQ(narrow.textY, 17);
    const MessageWindowLayout odd = messageWindowLayout(201, 18);
    EXPECT_EQ(odd.textX, 75); // (341 - 201) / 2 + 5
    EXPECT_EQ(odd.textY, 18);
}
