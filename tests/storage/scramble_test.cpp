// Integers read where a file stores them, scrambled, must read exactly as the
// game's text reading of them does: the same value or the same error.
#include "storage/app_error.h"
#include "storage/code_page.h"
#include "storage/scramble.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

// The value, or the error's text.
QString outcome(const std::function<int()>& read) {
    try {
        return QString::number(read());
    } catch (const AppError& e) {
        return e.text();
    }
}

QString byText(const QByteArray& scrambled, int defaultValue) {
    return outcome([&] {
        return scrambled.isEmpty() ? defaultValue
                                   : StrToInt(cp1251::decode(ScrambleText(scrambled)));
    });
}

QString stored(const QByteArray& scrambled, int defaultValue) {
    return outcome([&] { return StoredInt(scrambled, defaultValue); });
}

TEST(StoredInt, AnEmptyTextGivesTheDefault) {
    EXPECT_EQ(StoredInt("", 9), 9);
    EXPECT_EQ(StoredInt(QByteArrayView(), -4), -4);
}

TEST(StoredInt, ReadsDecimalHexSignsAndLeadingSpaces) {
    EXPECT_EQ(StoredInt(ScrambleText("1250"), 9), 1250);
    EXPECT_EQ(StoredInt(ScrambleText("  -7"), 9), -7);
    EXPECT_EQ(StoredInt(ScrambleText("+$1f"), 9), 31);
    EXPECT_EQ(StoredInt(ScrambleText("0X10"), 9), 16);
    EXPECT_EQ(StoredInt(ScrambleText("-2147483648"), 9), -2147483647 - 1);
}

TEST(StoredInt, NamesTheUnscrambledTextOfWhatIsNoInteger) {
    EXPECT_EQ(stored("12", 0), "'kh' is not a valid integer value");
    EXPECT_EQ(stored(ScrambleText("2147483648"), 0), "'2147483648' is not a valid integer value");
    EXPECT_EQ(stored(ScrambleText("7 "), 0), "'7 ' is not a valid integer value");
}

TEST(StoredInt, EveryByteAloneOrBesideDigitsReadsAsTheTextReadingGivesIt) {
    for (int b = 0; b < 256; ++b) {
        const QByteArray byte(1, static_cast<char>(b));
        for (const QByteArray& plain : {byte, "1" + byte, byte + "1", "-" + byte + "2", "$" + byte}) {
            const QByteArray scrambled = ScrambleText(plain);
            EXPECT_EQ(stored(scrambled, 5), byText(scrambled, 5)) << "byte " << b;
        }
    }
}

} // namespace
