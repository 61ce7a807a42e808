// The level filter expression.
#include "storage/app_error.h"
#include "questions/dbf_filter.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

TEST(DbfFilter, ReadsTheLevelComparison) {
    const DbfFilter filter = DbfFilter::Parse("(NN = 7)");
    EXPECT_EQ(filter.fieldName(), "NN");
    EXPECT_TRUE(filter.admits(" 7"));
    EXPECT_FALSE(filter.admits(" 8"));
    EXPECT_FALSE(filter.admits("17"));
}

TEST(DbfFilter, AllowsSpacingAndMissingParentheses) {
    EXPECT_TRUE(DbfFilter::Parse("NN=12").admits("12"));
    EXPECT_TRUE(DbfFilter::Parse("  ( nn  =  -2 )  ").admits("-2"));
}

TEST(DbfFilter, LevelWithAFractionIsNotAdmitted) {
    const DbfFilter filter = DbfFilter::Parse("(NN = 7)");
    EXPECT_TRUE(filter.admits("7.00"));
    EXPECT_FALSE(filter.admits("7.50"));
}

TEST(DbfFilter, BlankFieldCountsAsZero) {
    EXPECT_TRUE(DbfFilter::Parse("(NN = 0)").admits("  "));
    EXPECT_FALSE(DbfFilter::Parse("(NN = 1)").admits("  "));
}

TEST(DbfFilter, FieldThatIsNoNumberIsNotAdmitted) {
    EXPECT_FALSE(DbfFilter::Parse("(NN = 0)").admits("x1"));
}

TEST(DbfFilter, EmptyExpressionAdmitsEverything) {
    const DbfFilter filter = DbfFilter::Parse("   ");
    EXPECT_TRUE(filter.admitsAll());
    EXPECT_TRUE(filter.admits("anything"));
}

TEST(DbfFilter, OtherFormsAreRefused) {
    for (const char* expression :
         {"NN", "(NN = )", "NN + 1", "(NN = 1", "NN = 1)", "NN > 1", "NN = 'a'", "(NN = 1) AND 1",
          "TOOLONGFIELDNAME = 1", "NN = 1.5"}) {
        try {
            DbfFilter::Parse(expression);
            ADD_FAILURE() << expression;
        } catch (const AppError& error) {
            EXPECT_EQ(error.text(), "Filter expression must return boolean result") << expression;
        }
    }
}

} // namespace
