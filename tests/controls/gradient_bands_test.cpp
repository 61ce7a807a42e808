#include "controls/gradient_bands.h"

#include <gtest/gtest.h>

namespace {

constexpr RgbColor Blue{0, 0, 255};
constexpr RgbColor Green{0, 128, 0};
constexpr RgbColor Black{0, 0, 0};

// The band drawn on a row; fails when the row is covered by no band or by two.
int bandOfRow(const std::array<GradientBand, GradientBandCount>& bands, int row) {
    int found = -1;
    for (int i = 0; i < GradientBandCount; ++i) {
        if (row >= bands[i].firstRow && row < bands[i].endRow) {
            EXPECT_EQ(found, -1) << "row " << row << " lies in two bands";
            found = i;
        }
    }
    EXPECT_NE(found, -1) << "row " << row << " lies in no band";
    return found;
}

} // namespace

TEST(MulDiv, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(5, 51, 2), 128);
    EXPECT_EQ(MulDiv(5, -51, 2), -128);
    EXPECT_EQ(MulDiv(1, 128, 256), 1);
    EXPECT_EQ(MulDiv(1, -128, 255), -1);
    EXPECT_EQ(MulDiv(3, 28, 256), 0);
    EXPECT_EQ(MulDiv(254, -128, 255), -127);
}

TEST(GradientBands, AnswerButtonFaceStartsWithBandFourAndEndsWithBand251) {
    const auto bands = gradientBands(28, Blue, Black);
    EXPECT_EQ(bandOfRow(bands, 0), 4);
    EXPECT_EQ(bandOfRow(bands, 27), 251);
    EXPECT_EQ(bands[4].color, (RgbColor{0, 0, 251}));
    EXPECT_EQ(bands[251].color, (RgbColor{0, 0, 4}));
}

TEST(GradientBands, ScoreBoardFaceStartsWithBandOneAndEndsWithBand254) {
    const auto bands = gradientBands(112, Green, Black);
    EXPECT_EQ(bandOfRow(bands, 0), 1);
    EXPECT_EQ(bandOfRow(bands, 111), 254);
    EXPECT_EQ(bands[1].color, (RgbColor{0, 127, 0}));
    EXPECT_EQ(bands[254].color, (RgbColor{0, 1, 0}));
}

TEST(GradientBands, EveryRowOfAnyFaceShowsExactlyOneBand) {
    for (const int height : {1, 28, 112, 255, 256, 600}) {
        const auto bands = gradientBands(height, Blue, Black);
        for (int row = 0; row < height; ++row) {
            bandOfRow(bands, row);
        }
        EXPECT_EQ(bands.front().firstRow, 0);
        EXPECT_EQ(bands.back().endRow, height);
    }
}

TEST(GradientBands, FirstBandIsTheTopColourAndLastBandTheBottomColour) {
    const RgbColor top{10, 200, 255};
    const RgbColor bottom{250, 3, 0};
    const auto bands = gradientBands(30, top, bottom);
    EXPECT_EQ(bands.front().color, top);
    EXPECT_EQ(bands.back().color, bottom);
}

TEST(GradientBands, EqualColoursGiveAFlatFace) {
    const RgbColor olive{128, 128, 0};
    for (const GradientBand& band : gradientBands(40, olive, olive)) {
        EXPECT_EQ(band.color, olive);
    }
}
