// The authors' question sheet: what it accepts and every reason it refuses a
// line for, with the line's number.
#include "storage/app_error.h"
#include "storage/code_page.h"
#include "question_sheet.h"
#include "questions/question_codec.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

QByteArray sheetWith(const QByteArray& line) {
    return QuestionSheet::HeaderLine() + "\n1\tВопрос\tА\tБ\tВ\tГ\tA\n" + line + "\n";
}

QString refusal(const QByteArray& sheet) {
    try {
        QuestionSheet::Parse(sheet);
    } catch (const AppError& error) {
        return error.text();
    }
    return {};
}

TEST(QuestionSheet, ReadsLevelTextsAndRightLetter) {
    const auto records = QuestionSheet::Parse(sheetWith("15\tСколько?\tодин\tдва\tтри\tчетыре\tD"));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].level, 15);
    EXPECT_EQ(records[1].right, 4);
    EXPECT_EQ(LoadStr(records[1].stored[0]), cp866::encode("Сколько?"));
    EXPECT_EQ(LoadStr(records[1].stored[4]), cp866::encode("четыре"));
}

TEST(QuestionSheet, AcceptsWindowsLineEnds) {
    const QByteArray sheet = QuestionSheet::HeaderLine() + "\r\n2\tq\ta\tb\tc\td\tB\r\n";
    EXPECT_EQ(QuestionSheet::Parse(sheet).at(0).right, 2);
}

TEST(QuestionSheet, RefusesAWrongHeaderLine) {
    EXPECT_TRUE(refusal("level\tquestion\n1\tq\ta\tb\tc\td\tA\n").startsWith("line 1: "));
}

TEST(QuestionSheet, RefusesAWrongColumnCount) {
    EXPECT_EQ(refusal(sheetWith("1\tq\ta\tb\tc\tA")), "line 3: 6 columns, 7 expected");
}

TEST(QuestionSheet, RefusesALevelOutsideOneToFifteen) {
    for (const char* level : {"0", "16", "x", "-1", "", " 3"})
        EXPECT_EQ(refusal(sheetWith(QByteArray(level) + "\tq\ta\tb\tc\td\tA")),
                  QString("line 3: level '%1' is not a number from 1 to 15").arg(level));
}

TEST(QuestionSheet, RefusesARightLetterOutsideAToD) {
    EXPECT_EQ(refusal(sheetWith("1\tq\ta\tb\tc\td\tE")),
              "line 3: right answer 'E' is not one of the letters A, B, C, D");
    EXPECT_FALSE(refusal(sheetWith("1\tq\ta\tb\tc\td\ta")).isEmpty());
}

TEST(QuestionSheet, RefusesATextTooLongForItsField) {
    EXPECT_EQ(refusal(sheetWith("1\t" + QByteArray(255, 'q') + "\ta\tb\tc\td\tA")),
              "line 3: the question: the text is 255 characters long, the field holds 254");
    EXPECT_TRUE(refusal(sheetWith("1\t" + QByteArray(254, 'q') + "\ta\tb\tc\td\tA")).isEmpty());
    EXPECT_EQ(refusal(sheetWith("1\tq\ta\t" + QByteArray(101, 'b') + "\tc\td\tA")),
              "line 3: answer B: the text is 101 characters long, the field holds 100");
}

TEST(QuestionSheet, RefusesACharacterCodePage866CannotHold) {
    EXPECT_EQ(refusal(sheetWith("1\tЦена в €?\ta\tb\tc\td\tA")),
              "line 3: the question: the character '€' (U+20ac) has no place in code page 866");
}

TEST(QuestionSheet, RefusesATextStoredWithANulByte) {
    EXPECT_EQ(refusal(sheetWith("1\tq\ta\tb\tc╡c\td\tA")),
              "line 3: answer C: the text holds a character whose stored form is a NUL byte");
}

TEST(QuestionSheet, RefusesATextWhoseStoredFormEndsInASpace) {
    EXPECT_EQ(refusal(sheetWith("1\tq\ta\tb\tc\td╒\tA")),
              "line 3: answer D: the text ends in a character whose stored form is a space");
    EXPECT_TRUE(refusal(sheetWith("1\tq\ta\tb\tc\t╒d\tA")).isEmpty());
}

TEST(QuestionSheet, RefusesInvalidUtf8AndEmptyTexts) {
    EXPECT_EQ(refusal(sheetWith("1\tq\t\xff\tb\tc\td\tA")),
              "line 3: answer A: the text is not valid UTF-8");
    EXPECT_EQ(refusal(sheetWith("1\t\ta\tb\tc\td\tA")), "line 3: the question: the text is empty");
}

TEST(QuestionSheet, ReportsEveryRefusedLine) {
    const QByteArray sheet =
        QuestionSheet::HeaderLine() + "\n0\tq\ta\tb\tc\td\tA\n1\tq\ta\tb\tc\td\tA\n1\tq\n";
    EXPECT_EQ(refusal(sheet), "line 2: level '0' is not a number from 1 to 15\n"
                              "line 4: 2 columns, 7 expected");
}

} // namespace
