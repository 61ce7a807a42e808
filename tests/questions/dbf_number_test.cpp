// The decimal text of numeric fields.
#include "questions/dbf_number.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

std::optional<qint64> valueOf(const char* text) {
    const auto number = DbfNumber::Parse(text);
    return number ? number->truncated() : std::nullopt;
}

TEST(DbfNumber, ReadsRightAlignedDecimals) {
    EXPECT_EQ(valueOf(" 12"), 12);
    EXPECT_EQ(valueOf("  -3.9"), -3);
    EXPECT_EQ(valueOf("+4 "), 4);
    EXPECT_EQ(valueOf(".5"), 0);
    EXPECT_EQ(valueOf("7."), 7);
    EXPECT_EQ(valueOf("007"), 7);
}

TEST(DbfNumber, BlankIsZero) {
    EXPECT_EQ(valueOf(""), 0);
    EXPECT_EQ(valueOf("    "), 0);
}

TEST(DbfNumber, RefusesWhatIsNoNumber) {
    for (const char* text : {"abc", "1 2", "--1", "-", ".", "1e5", "0x10", "1.2.3", "\t1"})
        EXPECT_FALSE(DbfNumber::Parse(text).has_value()) << text;
}

TEST(DbfNumber, NumberOfMoreThanEighteenDigitsHasNoIntegerValue) {
    EXPECT_EQ(valueOf("999999999999999999"), 999999999999999999LL);
    EXPECT_FALSE(valueOf("1000000000000000000").has_value());
    EXPECT_EQ(valueOf("000000000000000000001"), 1);
}

TEST(DbfNumber, TellsAFractionFromTrailingZeros) {
    EXPECT_FALSE(DbfNumber::Parse("7.000")->hasFraction());
    EXPECT_TRUE(DbfNumber::Parse("7.001")->hasFraction());
}

TEST(DbfNumber, FormatsWithExactlyTheDecimalsCuttingTheRest) {
    EXPECT_EQ(DbfNumber::Parse("3.14159")->format(2), "3.14");
    EXPECT_EQ(DbfNumber::Parse("3.999")->format(0), "3");
    EXPECT_EQ(DbfNumber::Parse("-2")->format(3), "-2.000");
    EXPECT_EQ(DbfNumber::Parse("")->format(1), "0.0");
    EXPECT_EQ(DbfNumber::Parse("-0.001")->format(2), "0.00");
    EXPECT_EQ(DbfNumber::Parse("0042")->format(0), "42");
}

} // namespace
