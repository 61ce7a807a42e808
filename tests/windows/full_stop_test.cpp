#include "windows/full_stop.h"

#include <gtest/gtest.h>

TEST(WithFullStop, ClosesTextEndingInLetterOrDigitWithFullStop) {
    EXPECT_EQ(withFullStop(QStringLiteral("Cannot open file TULIP.DBF")),
              QStringLiteral("Cannot open file TULIP.DBF."));
    EXPECT_EQ(withFullStop(QStringLiteral("Ошибка записи 5")), QStringLiteral("Ошибка записи 5."));
}

// Everything that sorts after the full stop gets one, a question mark too.
TEST(WithFullStop, ClosesTextEndingInLaterPunctuationWithFullStop) {
    EXPECT_EQ(withFullStop(QStringLiteral("Really?")), QStringLiteral("Really?."));
    EXPECT_EQ(withFullStop(QStringLiteral("File:")), QStringLiteral("File:."));
    EXPECT_EQ(withFullStop(QStringLiteral("/tmp/")), QStringLiteral("/tmp/."));
}

TEST(WithFullStop, LeavesTextEndingInFullStopOrEarlierCharacterAlone) {
    for (const char* text : {"Done.", "Stop!", "a,", "(x)", "x ", "a-", "'quoted'"}) {
        const QString original = QString::fromLatin1(text);
        EXPECT_EQ(withFullStop(original), original) << text;
    }
}

TEST(WithFullStop, LeavesEmptyTextEmpty) {
    EXPECT_EQ(withFullStop(QString()), QString());
}
