#include "controls/background_gradient.h"

#include <gtest/gtest.h>

TEST(BackgroundRows, TwoRowBlackToWhiteFormRoundsTheHalfStepToEven) {
    const std::vector<RgbColor> rows = backgroundRows(2, {0, 0, 0}, {255, 255, 255});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (RgbColor{0, 0, 0}));
    EXPECT_EQ(rows[1], (RgbColor{128, 128, 128}));
}

TEST(BackgroundRows, HalfStepRoundsDownWhenTheEvenNeighbourIsBelow) {
    // Step -2.5: row 1 goes 2 up, not 3.
    EXPECT_EQ(backgroundRows(2, {0, 0, 0}, {5, 0, 0})[1], (RgbColor{2, 0, 0}));
}

TEST(BackgroundRows, TopRowIsTheTopColourAndLastRowOneStepShortOfTheBottom) {
    const std::vector<RgbColor> rows = backgroundRows(100, {0, 0, 0}, {0, 0, 200});
    ASSERT_EQ(rows.size(), 100u);
    EXPECT_EQ(rows.front(), (RgbColor{0, 0, 0}));
    EXPECT_EQ(rows[50], (RgbColor{0, 0, 100}));
    EXPECT_EQ(rows.back(), (RgbColor{0, 0, 198}));
}

TEST(BackgroundRows, RunsDownwardWhenTheBottomIsDarker) {
    const std::vector<RgbColor> rows = backgroundRows(4, {255, 0, 100}, {55, 0, 100});
    EXPECT_EQ(rows[1], (RgbColor{205, 0, 100}));
    EXPECT_EQ(rows[3], (RgbColor{105, 0, 100}));
}

TEST(BackgroundRows, EqualColoursGiveAFlatBackground) {
    for (const RgbColor& row : backgroundRows(30, {0, 0, 128}, {0, 0, 128})) {
        EXPECT_EQ(row, (RgbColor{0, 0, 128}));
    }
}

TEST(BackgroundRows, FormWithoutRowsGetsNone) {
    EXPECT_TRUE(backgroundRows(0, {0, 0, 0}, {255, 255, 255}).empty());
}
