#include "lifelines/segment_display.h"

#include "support/fake_services.h"

#include <gtest/gtest.h>

using namespace segment_display;

namespace {

// The lit slots of a character, as the digit tables list them.
std::vector<int> litSlots(QChar character) {
    std::vector<int> result;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        if (lightsSlot(character, slot)) {
            result.push_back(slot);
        }
    }
    return result;
}

// The phone dialog's display: 93 x 21, six cells, spacing 1, gaps 1.
SegmentGeometry phoneDisplay() {
    return SegmentGeometry(93, 21, 6, 1, 1, 1, 2);
}

} // namespace

TEST(SegmentTable, DigitsSignsAndLettersLightTheirSlots) {
    EXPECT_EQ(litSlots('0'), (std::vector<int>{1, 2, 3, 5, 6, 7}));
    EXPECT_EQ(litSlots('1'), (std::vector<int>{3, 6}));
    EXPECT_EQ(litSlots('7'), (std::vector<int>{1, 3, 6}));
    EXPECT_EQ(litSlots('8'), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(litSlots('9'), (std::vector<int>{1, 2, 3, 4, 6, 7}));
    EXPECT_EQ(litSlots('-'), (std::vector<int>{4}));
    EXPECT_EQ(litSlots(':'), (std::vector<int>{8}));
    EXPECT_EQ(litSlots('A'), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(litSlots('B'), (std::vector<int>{2, 4, 5, 6, 7}));
    EXPECT_EQ(litSlots('M'), (std::vector<int>{4, 5, 6}));
    EXPECT_EQ(litSlots('R'), (std::vector<int>{4, 5}));
    EXPECT_EQ(litSlots('Z'), (std::vector<int>{1, 3, 4, 5, 7}));
    EXPECT_TRUE(litSlots(' ').empty());
    EXPECT_TRUE(litSlots('a').empty());
}

TEST(SegmentOrder, EachAnimationHasItsOrderAndRandomDrawsOneOfFive) {
    ScriptedRandom random;
    EXPECT_EQ(segmentOrder(TLCDAnimation::anSpiral, random), 1);
    EXPECT_EQ(segmentOrder(TLCDAnimation::anUp, random), 2);
    EXPECT_EQ(segmentOrder(TLCDAnimation::anDown, random), 3);
    EXPECT_EQ(segmentOrder(TLCDAnimation::anNone, random), 3);
    EXPECT_EQ(segmentOrder(TLCDAnimation::anLeft, random), 4);
    EXPECT_EQ(segmentOrder(TLCDAnimation::anRight, random), 5);
    EXPECT_TRUE(random.ranges.empty());

    random.draws = {4, 0};
    EXPECT_EQ(segmentOrder(TLCDAnimation::anRandom, random), 5);
    EXPECT_EQ(segmentOrder(TLCDAnimation::anRandom, random), 1);
    EXPECT_EQ(random.ranges, (std::vector<int>{5, 5}));
    EXPECT_EQ(random.reseeds, 2);
}

TEST(DisplayValue, SmallLettersBecomeCapitalsAndOneTrailingPointGoes) {
    EXPECT_EQ(normalizedValue("ab:-"), "AB:-");
    EXPECT_EQ(normalizedValue("12."), "12");
    EXPECT_EQ(normalizedValue("1.."), "1.");
    EXPECT_EQ(normalizedValue("."), "");
    EXPECT_EQ(normalizedValue("12.5"), "12.5");
    EXPECT_EQ(normalizedValue(" 0-9 Z"), " 0-9 Z");
}

TEST(DisplayValue, AnyOtherCharacterBlanksTheWholeText) {
    EXPECT_EQ(normalizedValue("12,3"), "");
    EXPECT_EQ(normalizedValue("12#"), "");
    EXPECT_EQ(normalizedValue(QString::fromUtf8("12а")), ""); // Cyrillic a
    EXPECT_EQ(normalizedValue(QString::fromUtf8("ß")), "");
    EXPECT_EQ(normalizedValue(QString(QChar(0))), "");
}

TEST(SplitDots, PointBelongsToTheCellAfterIt) {
    EXPECT_EQ(SplitDots("12.5"), (DotSplit{"125", "  ."}));
    EXPECT_EQ(SplitDots(".5"), (DotSplit{"5", "."}));
    EXPECT_EQ(SplitDots("12"), (DotSplit{"12", "  "}));
    EXPECT_EQ(SplitDots(""), (DotSplit{"", ""}));
}

TEST(SplitDots, PointsInARowGetBlankCells) {
    EXPECT_EQ(SplitDots("1..2"), (DotSplit{"1 2", " .."}));
    EXPECT_EQ(SplitDots("..."), (DotSplit{"  ", "..."}));
}

TEST(CellText, ShortTextIsRightAlignedAndLongTextCut) {
    EXPECT_EQ(cellText("12", 6), (DotSplit{"    12", "      "}));
    EXPECT_EQ(cellText("1234567", 6), (DotSplit{"123456", "      "}));
    EXPECT_EQ(cellText("12.5", 6), (DotSplit{"   125", "     ."}));
    EXPECT_EQ(cellText("", 3), (DotSplit{"   ", "   "}));
    EXPECT_EQ(cellText("12", 0), (DotSplit{"", ""}));
}

TEST(SegmentGeometry, PhoneDisplayCellsAreThirteenWideFifteenApart) {
    const SegmentGeometry shape = phoneDisplay();
    EXPECT_EQ(shape.cellWidth(), 13);
    std::vector<int> lefts;
    for (int cell = 1; cell <= 6; ++cell) {
        lefts.push_back(shape.cellLeft(cell));
    }
    EXPECT_EQ(lefts, (std::vector<int>{2, 17, 32, 47, 62, 77}));
    EXPECT_EQ(shape.middleLine(), 10);
    EXPECT_EQ(shape.horizontalLength(), 11);
    EXPECT_EQ(shape.verticalLength(), 8);
}

TEST(SegmentGeometry, SegmentsAreSixCornerShapesAlongTheCellEdges) {
    const SegmentGeometry shape = phoneDisplay();
    using Corners = std::array<QPoint, 6>;
    // Slants of thickness / 4 = 0.5 round to the even 0.
    EXPECT_EQ(shape.segment(2, Top),
              (Corners{{{18, 0}, {19, 0}, {28, 0}, {29, 0}, {27, 2}, {20, 2}}}));
    EXPECT_EQ(shape.segment(1, Bottom),
              (Corners{{{3, 20}, {4, 20}, {13, 20}, {14, 20}, {12, 18}, {5, 18}}}));
    EXPECT_EQ(shape.segment(1, Middle),
              (Corners{{{3, 10}, {5, 9}, {12, 9}, {14, 10}, {12, 11}, {5, 11}}}));
    EXPECT_EQ(shape.segment(1, UpperLeft),
              (Corners{{{2, 1}, {2, 2}, {2, 8}, {2, 9}, {4, 7}, {4, 3}}}));
    EXPECT_EQ(shape.segment(1, UpperRight),
              (Corners{{{15, 1}, {15, 2}, {15, 8}, {15, 9}, {13, 7}, {13, 3}}}));
    EXPECT_EQ(shape.segment(1, LowerLeft),
              (Corners{{{2, 11}, {2, 12}, {2, 18}, {2, 19}, {4, 17}, {4, 13}}}));
    EXPECT_EQ(shape.segment(1, LowerRight),
              (Corners{{{15, 11}, {15, 12}, {15, 18}, {15, 19}, {13, 17}, {13, 13}}}));
}

TEST(SegmentGeometry, SlantsRoundHalvesToEven) {
    // Thickness 6: 6 / 4 = 1.5 rounds to 2; thickness 10: 2.5 rounds to 2.
    EXPECT_EQ(SegmentGeometry(200, 60, 1, 5, 2, 2, 6).segment(1, Top)[0].y(), 2);
    EXPECT_EQ(SegmentGeometry(200, 60, 1, 5, 2, 2, 10).segment(1, Top)[0].y(), 2);
    EXPECT_EQ(SegmentGeometry(200, 60, 1, 5, 2, 2, 10).segment(1, Bottom)[0].y(), 57);
}

TEST(SegmentGeometry, ColonDotsAndDecimalPointsOfTheDefaultDisplay) {
    // 92 x 34, four cells, spacing 5: cells 16 wide at 6, 28, 50, 72.
    const SegmentGeometry shape(92, 34, 4, 5, 2, 2, 2);
    EXPECT_EQ(shape.cellWidth(), 16);
    EXPECT_EQ(shape.cellLeft(2), 28);
    // Dots 4 wide (12 div 3) and 4 high (12 div 3), around the middle line 16.
    EXPECT_EQ(shape.colonDots(2), (std::array<QRect, 2>{QRect(34, 8, 4, 4), QRect(34, 20, 4, 4)}));
    // The point before cell 2 lies in the gap 23..27, 3 x 3 at the bottom.
    EXPECT_EQ(shape.decimalPoint(2), QRect(24, 30, 3, 3));
    EXPECT_EQ(shape.decimalPoint(1), QRect(2, 30, 3, 3));
}

TEST(SegmentGeometry, NarrowGapsHaveNoDecimalPointAndNoCellsNoWidth) {
    EXPECT_TRUE(phoneDisplay().decimalPoint(3).isEmpty());
    EXPECT_EQ(SegmentGeometry(93, 21, 0, 1, 1, 1, 2).cellWidth(), 0);
}
