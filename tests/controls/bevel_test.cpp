#include "controls/bevel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The bevel painted on a grid: 'U' upper-left colour, 'L' lower-right, '.' untouched.
std::vector<std::string> paint(PixelRect rect, int bevelWidth) {
    std::vector<std::string> grid(rect.bottom, std::string(rect.right, '.'));
    for (const BevelStroke& stroke : bevelStrokes(rect, bevelWidth)) {
        for (int y = stroke.area.top; y < stroke.area.bottom; ++y) {
            for (int x = stroke.area.left; x < stroke.area.right; ++x) {
                grid[y][x] = stroke.upperLeft ? 'U' : 'L';
            }
        }
    }
    return grid;
}

} // namespace

TEST(Bevel, OneRingRunsAlongTheEdgesWithTheLowerRightOwningBothFarCorners) {
    const std::vector<std::string> expected{"UUUUL", //
                                            "U...L", //
                                            "U...L", //
                                            "LLLLL"};
    EXPECT_EQ(paint({0, 0, 5, 4}, 1), expected);
}

TEST(Bevel, EachFurtherRingLiesOnePixelInside) {
    const std::vector<std::string> expected{"UUUUUL", //
                                            "UUUULL", //
                                            "UU..LL", //
                                            "ULLLLL", //
                                            "LLLLLL"};
    EXPECT_EQ(paint({0, 0, 6, 5}, 2), expected);
}

TEST(Bevel, RingOfAnAnswerButtonLiesInsideItsBorder) {
    const std::vector<BevelStroke> strokes = bevelStrokes({1, 1, 389, 29}, 1);
    ASSERT_EQ(strokes.size(), 4u);
    EXPECT_EQ(strokes[0].area, (PixelRect{1, 1, 2, 28}));
    EXPECT_EQ(strokes[1].area, (PixelRect{1, 1, 388, 2}));
    EXPECT_EQ(strokes[2].area, (PixelRect{388, 1, 389, 29}));
    EXPECT_EQ(strokes[3].area, (PixelRect{1, 28, 389, 29}));
}

TEST(Bevel, ZeroWidthDrawsNothing) {
    EXPECT_TRUE(bevelStrokes({0, 0, 100, 30}, 0).empty());
}

TEST(Bevel, RingsStopWhenTheRectangleIsUsedUp) {
    const std::vector<std::string> expected{"UUUL", //
                                            "ULLL", //
                                            "LLLL"};
    EXPECT_EQ(paint({0, 0, 4, 3}, 5), expected);
}
