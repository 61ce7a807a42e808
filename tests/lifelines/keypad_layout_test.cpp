#include "lifelines/keypad_layout.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> lefts(const std::vector<KeypadKey>& keys) {
    std::vector<int> result;
    for (const KeypadKey& key : keys) {
        result.push_back(key.area.left());
    }
    return result;
}

std::vector<int> tops(const std::vector<KeypadKey>& keys) {
    std::vector<int> result;
    for (const KeypadKey& key : keys) {
        result.push_back(key.area.top());
    }
    return result;
}

} // namespace

// The phone dialog's keypad: four rows of three keys, 17 pixels apart, each
// 18 x 18, within its 55 x 72 panel.
TEST(KeypadLayout, PhoneRowsMakeTwelveKeysSeventeenPixelsApart) {
    const std::vector<KeypadKey> keys = keypadKeys({"123", "456", "789", "*0#"}, {});
    ASSERT_EQ(keys.size(), 12u);
    EXPECT_EQ(lefts(keys), (std::vector<int>{2, 19, 36, 2, 19, 36, 2, 19, 36, 2, 19, 36}));
    EXPECT_EQ(tops(keys), (std::vector<int>{2, 2, 2, 19, 19, 19, 36, 36, 36, 53, 53, 53}));
    QString characters;
    for (const KeypadKey& key : keys) {
        EXPECT_EQ(key.area.size(), QSize(18, 18));
        EXPECT_TRUE(QRect(0, 0, 55, 72).contains(key.area));
        characters += key.character;
    }
    EXPECT_EQ(characters, "123456789*0#");
}

TEST(KeypadLayout, SpaceLeavesAGapWithoutSpacing) {
    const std::vector<KeypadKey> keys = keypadKeys({"1 2"}, {});
    EXPECT_EQ(lefts(keys), (std::vector<int>{2, 28}));
}

TEST(KeypadLayout, EmptyRowAdvancesByTheBlankHeightAndTheSpacing) {
    KeypadGeometry geometry;
    geometry.blankYSize = 30;
    geometry.buttonYSpacing = 4;
    const std::vector<KeypadKey> keys = keypadKeys({"1", "", "2", "3"}, geometry);
    // 2, then 2 + 18 + 4 = 24 for the empty row, 24 + 30 + 4 = 58, 58 + 22 = 80.
    EXPECT_EQ(tops(keys), (std::vector<int>{2, 58, 80}));
}

TEST(KeypadLayout, RowEndingInASpaceIsStillAButtonHigh) {
    const std::vector<KeypadKey> keys = keypadKeys({"12 ", "34"}, {});
    EXPECT_EQ(tops(keys), (std::vector<int>{2, 2, 19, 19}));
}

TEST(KeypadLayout, RowOfSpacesAddsOnlyTheSpacing) {
    KeypadGeometry geometry;
    geometry.buttonYSpacing = 5;
    EXPECT_EQ(tops(keypadKeys({"1", "   ", "2"}, geometry)), (std::vector<int>{2, 30}));
}

TEST(KeypadLayout, EveryMarginSizeAndSpacingPlacesTheKeys) {
    const KeypadGeometry geometry{.blankXSize = 5,
                                  .blankYSize = 7,
                                  .buttonHeight = 20,
                                  .buttonLeftMargin = 10,
                                  .buttonTopMargin = 3,
                                  .buttonWidth = 30,
                                  .buttonXSpacing = 2,
                                  .buttonYSpacing = 1};
    const std::vector<KeypadKey> keys = keypadKeys({"A B", "C"}, geometry);
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0].area, QRect(10, 3, 30, 20));
    EXPECT_EQ(keys[1].area, QRect(47, 3, 30, 20));
    EXPECT_EQ(keys[2].area, QRect(10, 24, 30, 20));
}

TEST(KeypadLayout, PositionsWrapAroundAsSixteenBitValues) {
    KeypadGeometry geometry;
    geometry.buttonLeftMargin = 0;
    geometry.buttonXSpacing = -20;
    geometry.buttonTopMargin = 65530;
    const std::vector<KeypadKey> keys = keypadKeys({"12", "3"}, geometry);
    EXPECT_EQ(lefts(keys), (std::vector<int>{0, 65534, 0}));
    EXPECT_EQ(tops(keys), (std::vector<int>{65530, 65530, 11}));
}

TEST(KeypadLayout, NoRowsAndDuplicatesMakeExactlyTheirKeys) {
    EXPECT_TRUE(keypadKeys({}, {}).empty());
    EXPECT_TRUE(keypadKeys({"", ""}, {}).empty());
    const std::vector<KeypadKey> keys = keypadKeys({"11"}, {});
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[1].character, QLatin1Char('1'));
}
