// Dates in the results file and the settings are read strictly as
// day.month.year, since a wrong reading would drop or keep players wrongly.
#include "storage/app_error.h"
#include "print_qt.h"
#include "records/game_date.h"

#include <gtest/gtest.h>

namespace {

TEST(GameDate, ReadsDayMonthAndYearWithOrWithoutLeadingZeros) {
    EXPECT_EQ(StrToDate("05.03.2024"), QDate(2024, 3, 5));
    EXPECT_EQ(StrToDate("5.3.2024"), QDate(2024, 3, 5));
    EXPECT_EQ(StrToDate(" 29.02.2024 "), QDate(2024, 2, 29));
}

TEST(GameDate, RejectsTextThatIsNoCalendarDayWithTheConversionError) {
    for (const char* text : {"", "29.02.2023", "32.01.2024", "01.13.2024", "01.01.24", "01/01/2024",
                             "01.01.2024 1", "aa.bb.cccc", "1.1.0000"}) {
        SCOPED_TRACE(text);
        try {
            StrToDate(QString::fromLatin1(text));
            ADD_FAILURE() << "no error";
        } catch (const AppError& e) {
            EXPECT_EQ(e.text(), QStringLiteral("'%1' is not a valid date").arg(text));
        }
        EXPECT_FALSE(TryStrToDate(QString::fromLatin1(text)));
    }
}

TEST(GameDate, DigitsOfOtherScriptsAreNoDate) {
    EXPECT_FALSE(TryStrToDate(QStringLiteral("٠١.٠١.٢٠٢٤")));
}

TEST(GameDate, WritesTwoDigitDayAndMonthAndFourDigitYear) {
    EXPECT_EQ(DateToStr(QDate(2024, 3, 5)), "05.03.2024");
    EXPECT_EQ(DateToStr(QDate(987, 12, 31)), "31.12.0987");
}

} // namespace
