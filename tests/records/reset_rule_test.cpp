// A player may wipe his own result only five days after his last wipe; the
// refusal names the last day it is still refused.
#include "print_qt.h"
#include "records/reset_rule.h"

#include <gtest/gtest.h>

namespace {

const QDate Today(2024, 3, 15);

TEST(ResetRule, AFreshInstallationMayAlwaysReset) {
    EXPECT_FALSE(ResetRefusal(QString::fromLatin1(NeverResetText), Today));
}

TEST(ResetRule, ResetIsAllowedFiveDaysAfterTheLastOneAndNotOneDayEarlier) {
    EXPECT_FALSE(ResetRefusal("10.03.2024", Today));
    EXPECT_TRUE(ResetRefusal("11.03.2024", Today));
    EXPECT_TRUE(ResetRefusal("15.03.2024", Today));
}

// "после" holds: the refusal names the last day refused, the day before the
// reset becomes possible.
TEST(ResetRule, RefusalNamesTheLastRefusedDayAcrossMonthAndYear) {
    EXPECT_EQ(ResetRefusal("15.03.2024", Today),
              QStringLiteral("Вы можете обнулить свой результат\rтолько после 19.03.2024"));
    EXPECT_EQ(ResetRefusal("29.12.2023", QDate(2024, 1, 2)),
              QStringLiteral("Вы можете обнулить свой результат\rтолько после 02.01.2024"));
    EXPECT_EQ(ResetRefusal("26.02.2024", QDate(2024, 2, 28)),
              QStringLiteral("Вы можете обнулить свой результат\rтолько после 01.03.2024"));
}

TEST(ResetRule, ALastResetDatedAfterTodayKeepsRefusingUntilFiveDaysAfterIt) {
    EXPECT_FALSE(ResetRefusal("01.04.2024", QDate(2024, 4, 6)));
    EXPECT_EQ(ResetRefusal("01.04.2024", Today),
              QStringLiteral("Вы можете обнулить свой результат\rтолько после 05.04.2024"));
}

TEST(ResetRule, AStoredTextThatIsNoDateDoesNotLockThePlayerOut) {
    EXPECT_FALSE(ResetRefusal("", Today));
    EXPECT_FALSE(ResetRefusal("вчера", Today));
    EXPECT_FALSE(ResetRefusal("31.02.2024", Today));
}

} // namespace
