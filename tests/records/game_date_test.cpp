// Dates in the results file and the settings are read strictly as
// day.month.year, since a wrong reading would drop or keep players wrongly.
#include "storage/app_error.h"
#include "print_qt.h"
#include "records/game_date.h"

#include <QRandomGenerator>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

TEST(GameDate, ReadsDayMonthAndYearWithOrWithoutLeadingZeros) {
    EXPECT_EQ(StrToDate("05.03.2024"), QDate(2024, 3, 5));
    EXPECT_EQ(StrToDate("5.3.2024"), QDate(2024, 3, 5));
    EXPECT_EQ(StrToDate(" 29.02.2024 "), QDate(2024, 2, 29));
}

TEST(GameDate, RejectsTextThatIsNoCalendarDayWithTheConversionError) {
    for (const char* text : {"", "29.02.2023", "32.01.2024", "01.13.2024", "01.01.24", "01/01/2024",
                             "01.01.2024 1", "aa.bb.cccc", "1.1.0000", "123.1.2024", "1.123.2024",
                             "1.1.20245", "1..2024", "\t1.1.2024", "1.1.2024x", "-1.1.2024"}) {
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

TEST(GameDate, AStoredDateReadsAsTheTextItIsInCodePage1251) {
    EXPECT_EQ(StoredDate(" 7.11.2023  "), QDate(2023, 11, 7));
    EXPECT_FALSE(TryStoredDate("\xC0\x31.1.2024"));
    try {
        StoredDate("\xC0\xE1.01.2024");
        ADD_FAILURE() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.text(), QStringLiteral("'Аб.01.2024' is not a valid date"));
    }
}

// The pattern the dates of the game have always been read by.
std::optional<QDate> dateByPattern(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^ *([0-9]{1,2})\\.([0-9]{1,2})\\.([0-9]{4}) *$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(3).toInt(), match.captured(2).toInt(),
                     match.captured(1).toInt());
    return date.isValid() ? std::optional(date) : std::nullopt;
}

TEST(GameDate, RandomTextsOfDigitsDotsAndBlanksReadAsByTheDatePattern) {
    QRandomGenerator random(7);
    const auto run = [&random](const char* pool, int least, int most) {
        QByteArray part;
        for (int length = random.bounded(least, most + 1); length > 0; --length)
            part += pool[random.bounded(int(qstrlen(pool)))];
        return part;
    };
    for (int i = 0; i < 20000; ++i) {
        const QByteArray text = run(" \t ", 0, 2) + run("0123", 1, 3) + run("......,", 1, 2) +
                                run("01", 1, 3) + run("......,", 1, 2) + run("2019", 3, 5) +
                                run("    x", 0, 2);
        SCOPED_TRACE(text.toStdString());
        const auto expected = dateByPattern(QString::fromLatin1(text));
        EXPECT_EQ(TryStrToDate(QString::fromLatin1(text)), expected);
        EXPECT_EQ(TryStoredDate(text), expected);
    }
}

TEST(GameDate, WritesTwoDigitDayAndMonthAndFourDigitYear) {
    EXPECT_EQ(DateToStr(QDate(2024, 3, 5)), "05.03.2024");
    EXPECT_EQ(DateToStr(QDate(987, 12, 31)), "31.12.0987");
}

} // namespace
