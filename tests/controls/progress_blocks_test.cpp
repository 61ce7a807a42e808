#include "controls/progress_blocks.h"

#include <gtest/gtest.h>

namespace {

constexpr auto Horizontal = QzProgOrientation::orHorizontal;
constexpr auto Vertical = QzProgOrientation::orVertical;

constexpr RgbColor Green{0x00, 0xFF, 0x00};
constexpr RgbColor DarkGreen{0x00, 0x7F, 0x00};
constexpr RgbColor Yellow{0xFF, 0xFF, 0x00};
constexpr RgbColor DarkYellow{0xBF, 0xBF, 0x00};
constexpr RgbColor Red{0xFF, 0x00, 0x00};
constexpr RgbColor DarkRed{0x7F, 0x00, 0x00};

ProgressRange at(int position) {
    return {0, 100, position};
}

// Colour of block i (from 1) of the game's thinking-time bar.
RgbColor gameBlock(int position, int i) {
    return intensityBlocks(592, 18, Horizontal, at(position)).at(i - 1).color;
}

} // namespace

TEST(ProgressMetrics, GameBarHasPitchTenAndFillsItsLengthInProportion) {
    const ProgressMetrics m = progressMetrics(592, 18, Horizontal, at(50));
    EXPECT_EQ(m.length, 588);
    EXPECT_EQ(m.thickness, 18);
    EXPECT_EQ(m.cross, 16);
    EXPECT_EQ(m.pitch, 10);
    EXPECT_EQ(m.fill, 294);
    EXPECT_EQ(progressMetrics(592, 18, Horizontal, at(33)).fill, 194); // 194.04 truncated
}

TEST(ProgressMetrics, FillNeverPassesTheLengthAndIsZeroForAnEmptyRange) {
    EXPECT_EQ(progressMetrics(592, 18, Horizontal, at(150)).fill, 588);
    EXPECT_EQ(progressMetrics(592, 18, Horizontal, {7, 7, 7}).fill, 0);
}

TEST(ProgressMetrics, VerticalBarMeasuresLengthDownAndThicknessAcross) {
    const ProgressMetrics m = progressMetrics(18, 592, Vertical, at(100));
    EXPECT_EQ(m.length, 588);
    EXPECT_EQ(m.thickness, 18);
    EXPECT_EQ(m.fill, 588);
}

TEST(IntensityBlocks, GameBarHas58BlocksInThirdsOfGreenYellowAndRed) {
    const auto blocks = intensityBlocks(592, 18, Horizontal, at(100));
    ASSERT_EQ(blocks.size(), 58u);
    EXPECT_EQ(blocks[0].area, (PixelRect{2, 2, 10, 16}));
    EXPECT_EQ(blocks[57].area, (PixelRect{572, 2, 580, 16}));
    EXPECT_EQ(gameBlock(100, 19), Green);
    EXPECT_EQ(gameBlock(100, 20), Yellow);
    EXPECT_EQ(gameBlock(100, 39), Yellow);
    EXPECT_EQ(gameBlock(100, 40), Red);
    EXPECT_EQ(gameBlock(100, 58), Red);
}

TEST(IntensityBlocks, EmptyBarShowsEveryBlockDark) {
    EXPECT_EQ(gameBlock(0, 1), DarkGreen);
    EXPECT_EQ(gameBlock(0, 19), DarkGreen);
    EXPECT_EQ(gameBlock(0, 20), DarkYellow);
    EXPECT_EQ(gameBlock(0, 40), DarkRed);
    EXPECT_EQ(gameBlock(0, 58), DarkRed);
}

TEST(IntensityBlocks, HalfTimeLightsThirtyBlocks) {
    EXPECT_EQ(gameBlock(50, 19), Green);
    EXPECT_EQ(gameBlock(50, 30), Yellow);
    EXPECT_EQ(gameBlock(50, 31), DarkYellow);
    EXPECT_EQ(gameBlock(50, 40), DarkRed);
}

TEST(IntensityBlocks, VerticalBarGrowsUpFromTheBottom) {
    const auto blocks = intensityBlocks(18, 592, Vertical, at(0));
    ASSERT_EQ(blocks.size(), 58u);
    EXPECT_EQ(blocks[0].area, (PixelRect{2, 582, 16, 590}));
    EXPECT_EQ(blocks[1].area, (PixelRect{2, 572, 16, 580}));
    EXPECT_EQ(blocks[57].area, (PixelRect{2, 12, 16, 20}));
}

TEST(IntensityBlocks, EmptyRangeLightsNoBlock) {
    for (const IntensityBlock& block : intensityBlocks(592, 18, Horizontal, {5, 5, 5})) {
        EXPECT_TRUE(block.color == DarkGreen || block.color == DarkYellow ||
                    block.color == DarkRed);
    }
}

TEST(RaisedBlockLayers, FaceSitsOnePixelInsideBetweenWhiteAboveLeftAndBlackBelowRight) {
    const RaisedBlockLayers layers = raisedBlockLayers({2, 2, 10, 16});
    EXPECT_EQ(layers.face, (PixelRect{3, 3, 9, 15}));
    EXPECT_EQ(layers.highlight, (PixelRect{2, 2, 8, 14}));
    EXPECT_EQ(layers.shadow, (PixelRect{4, 4, 10, 16}));
}

TEST(Win95Blocks, FillsOneBlockMoreThanWholePitchesOfTheFill) {
    // 150 x 16: length 146, pitch 9; half way fills 73 pixels.
    const auto blocks = win95Blocks(150, 16, Horizontal, at(50));
    ASSERT_EQ(blocks.size(), 9u);
    EXPECT_EQ(blocks[0], (PixelRect{2, 2, 9, 14}));
    EXPECT_EQ(blocks[8], (PixelRect{74, 2, 81, 14}));
    EXPECT_TRUE(win95Blocks(150, 16, Horizontal, at(0)).empty());
}

TEST(Win95Blocks, LastBlockStopsThreePixelsShortOfTheRightEdge) {
    const auto blocks = win95Blocks(150, 16, Horizontal, at(100));
    ASSERT_EQ(blocks.size(), 17u);
    EXPECT_EQ(blocks.back(), (PixelRect{146, 2, 147, 14}));
}

TEST(Win95Blocks, VerticalBlockThatWouldStartAboveTheTopStartsAtRowOne) {
    const auto blocks = win95Blocks(150, 16, Vertical, at(50));
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0], (PixelRect{2, 1, 148, 14}));
}

TEST(Win95Blocks, VerticalBarGrowsUpFromTheBottom) {
    const auto blocks = win95Blocks(18, 592, Vertical, at(100));
    ASSERT_EQ(blocks.size(), 59u);
    EXPECT_EQ(blocks[0], (PixelRect{2, 582, 16, 590}));
    EXPECT_EQ(blocks[58], (PixelRect{2, 2, 16, 10}));
}

TEST(ProgressBlocks, BarTooThinForABlockDrawsNoneInsteadOfDividingByZero) {
    EXPECT_TRUE(intensityBlocks(150, 3, Horizontal, at(50)).empty());
    EXPECT_TRUE(win95Blocks(150, 3, Horizontal, at(50)).empty());
    EXPECT_TRUE(intensityBlocks(2, 40, Vertical, at(50)).empty());
}
