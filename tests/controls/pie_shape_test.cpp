#include "controls/pie_shape.h"

#include <gtest/gtest.h>

TEST(PieShape, AtMinIsOneBackgroundEllipseAndAtMaxOneSliceEllipse) {
    const PieShape empty = pieShape(100, 100, {0, 100, 0});
    EXPECT_FALSE(empty.sliceFill);
    EXPECT_FALSE(empty.hasSector);
    const PieShape full = pieShape(100, 100, {0, 100, 100});
    EXPECT_TRUE(full.sliceFill);
    EXPECT_FALSE(full.hasSector);
}

TEST(PieShape, EqualMinAndMaxIsOneBackgroundEllipse) {
    const PieShape shape = pieShape(100, 100, {5, 5, 5});
    EXPECT_FALSE(shape.sliceFill);
    EXPECT_FALSE(shape.hasSector);
}

TEST(PieShape, QuarterEndsAtThreeOClockLeavingThreeQuartersToTheBackground) {
    const PieShape shape = pieShape(100, 100, {0, 100, 25});
    EXPECT_TRUE(shape.sliceFill);
    EXPECT_TRUE(shape.hasSector);
    EXPECT_EQ(shape.endX, 150);
    EXPECT_EQ(shape.endY, 50);
    EXPECT_EQ(shape.sectorSpan, 270 * 16);
}

TEST(PieShape, HalfEndsAtSixOClock) {
    const PieShape shape = pieShape(100, 100, {0, 100, 50});
    EXPECT_EQ(shape.endX, 50);
    EXPECT_EQ(shape.endY, 150);
    EXPECT_EQ(shape.sectorSpan, 180 * 16);
}

TEST(PieShape, ThreeQuartersEndsAtNineOClock) {
    const PieShape shape = pieShape(60, 60, {0, 4, 3});
    EXPECT_EQ(shape.endX, -30);
    EXPECT_EQ(shape.endY, 30);
    EXPECT_EQ(shape.sectorSpan, 90 * 16);
}

TEST(PieShape, TurnsWithPiCutToFiveDecimals) {
    // sin(3.14159) x 200000 is 0.53; with the exact pi it would be 0.
    const PieShape shape = pieShape(200000, 200000, {0, 2, 1});
    EXPECT_EQ(shape.endX, 100001);
}
