// The stored form of question texts.
#include "storage/code_page.h"
#include "questions/question_codec.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

QByteArray everyByte() {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes += char(b);
    return bytes;
}

TEST(QuestionCodec, LoadStrUndoesStoreStrForEveryByte) {
    EXPECT_EQ(LoadStr(StoreStr(everyByte())), everyByte());
}

TEST(QuestionCodec, StoredTextIsNotThePlainText) {
    const QByteArray plain = cp866::encode(QStringLiteral("Столица Франции?"));
    const QByteArray stored = StoreStr(plain);
    ASSERT_EQ(stored.size(), plain.size());
    for (qsizetype i = 0; i < plain.size(); ++i)
        EXPECT_NE(stored[i], plain[i]);
}

TEST(QuestionCodec, RussianTextNeverStoresANulOrASpace) {
    QString text =
        QStringLiteral("ЁёАБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзийклмнопрстуфхцчшщъыьэюя№");
    for (char16_t c = 0x20; c < 0x7F; ++c)
        text += QChar(c);
    const QByteArray stored = StoreStr(cp866::encode(text));
    EXPECT_FALSE(stored.contains('\0'));
    EXPECT_FALSE(stored.contains(' '));
}

TEST(QuestionCodec, LengthIsKept) {
    EXPECT_EQ(LoadStr(QByteArray(17, 'x')).size(), 17);
    EXPECT_TRUE(LoadStr({}).isEmpty());
}

} // namespace
