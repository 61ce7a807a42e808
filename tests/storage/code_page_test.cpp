// Question texts are stored in the DOS code page and shown in the Windows
// one; the conversion must be the one Windows makes.
#include "storage/code_page.h"

#include <gtest/gtest.h>

TEST(ConvertCodePage, DirectionLetterChoosesTheWayInEitherCase)
{
    const QByteArray dos("\x8F\xE0\xA8\xA2\xA5\xE2", 6);  // "Привет" in 866
    const QByteArray win = cp1251::encode(QStringLiteral("Привет"));
    EXPECT_EQ(ConvertCodePage(dos, "w"), win);
    EXPECT_EQ(ConvertCodePage(dos, "W"), win);
    EXPECT_EQ(ConvertCodePage(win, "d"), dos);
    EXPECT_EQ(ConvertCodePage(win, "D"), dos);
    EXPECT_EQ(ConvertCodePage(QByteArray(), "w"), QByteArray());
}

TEST(ConvertCodePage, SymbolsWithoutCounterpartFollowTheWindowsTables)
{
    // Box drawing in 866 has no 1251 letter: best fit; the euro sign has no 866 one.
    EXPECT_EQ(ConvertCodePage("\xC4", "w"), "-");
    EXPECT_EQ(ConvertCodePage("\x88", "d"), "?");
    EXPECT_EQ(ConvertCodePage("\xA8\xB8", "d"), "\xF0\xF1");  // Ё ё
    EXPECT_EQ(ConvertCodePage("a\x01z", "w"), "a\x01z");
}

TEST(CodePages, UnicodeRoundTripsAndUnknownCharactersBecomeQuestionMarks)
{
    const QString text = QStringLiteral("Съешь же ещё этих мягких булок, №1!");
    EXPECT_EQ(cp1251::decode(cp1251::encode(text)), text);
    EXPECT_EQ(cp866::decode(cp866::encode(text)), text);
    EXPECT_EQ(cp1251::encode(QStringLiteral("a€b")), QByteArray("a\x88" "b"));
    EXPECT_EQ(cp866::encode(QStringLiteral("a€b")), QByteArray("a?b"));
    EXPECT_FALSE(cp866::canEncode(QStringLiteral("«x»")));
    EXPECT_TRUE(cp1251::canEncode(QStringLiteral("«x»")));
}
