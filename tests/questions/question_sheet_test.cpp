// The authors' question sheet: what it accepts and every reason it refuses a
// line for, with the line's number.
#include "question_sheet.h"
#include "sheet_reader.h"
#include "questions/question_codec.h"
#include "storage/app_error.h"
#include "storage/code_page.h"
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

// What the game puts on screen for a question text kept in the table.
QString shownByTheGame(const QByteArray& stored) {
    return cp1251::decode(ConvertCodePage(LoadStr(stored), QStringLiteral("w")));
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
              "line 3, column 10: the question: the character '€' (U+20AC) has no place in "
              "code page 866");
}

TEST(QuestionSheet, RefusesTheCharactersStoredAsANulByteOrASpace) {
    EXPECT_EQ(
        refusal(sheetWith("1\tq\ta\tb\tc╡c\td\tA")),
        "line 3, column 10: answer C: the character '╡' (U+2561) is shown as '¦' in the game");
    EXPECT_EQ(
        refusal(sheetWith("1\tq\ta\tb\tc\t╒d\tA")),
        "line 3, column 11: answer D: the character '╒' (U+2552) is shown as '-' in the game");
}

TEST(QuestionSheet, NoAcceptedCharacterIsStoredAsANulByteOrAFillerSpace) {
    // The table cuts a text at a NUL byte and drops trailing spaces.
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        const QString ch = cp866::decode(QByteArray(1, char(byte)));
        const QByteArray line = "1\tq\ta\tb\tc\td" + ch.toUtf8() + "\tA";
        if (!refusal(sheetWith(line)).isEmpty())
            continue;
        const QByteArray stored = QuestionSheet::Parse(sheetWith(line))[1].stored[4];
        EXPECT_NE(stored.back(), '\0') << byte;
        EXPECT_NE(stored.back(), ' ') << byte;
    }
}

TEST(QuestionSheet, AcceptsExactlyTheCharactersTheGameShowsAsWritten) {
    int shownOtherwise = 0;
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        if (byte == 0x7F)
            continue;
        const QByteArray plain(1, char(byte));
        const QString ch = cp866::decode(plain);
        const bool shownAsWritten = shownByTheGame(StoreStr(plain)) == ch;
        shownOtherwise += shownAsWritten ? 0 : 1;
        const QString verdict = refusal(sheetWith("1\tq\tа" + ch.toUtf8() + "б\tb\tc\td\tA"));
        EXPECT_EQ(verdict.isEmpty(), shownAsWritten) << byte << ' ' << verdict.toStdString();
    }
    EXPECT_EQ(shownOtherwise, 51);
}

TEST(QuestionSheet, NamesWhatTheGameShowsInsteadOfACharacter) {
    EXPECT_EQ(refusal(sheetWith("1\tКорень √4?\ta\tb\tc\td\tA")),
              "line 3, column 10: the question: the character '√' (U+221A) is shown as 'v' in "
              "the game");
    EXPECT_EQ(refusal(sheetWith("1\tq\t■\tb\tc\td\tA")),
              "line 3, column 5: answer A: the character '■' (U+25A0) is shown as '¦' in the game");
}

TEST(QuestionSheet, RefusesControlCharacters) {
    EXPECT_EQ(refusal(sheetWith("1\tq\ta\x05\tb\tc\td\tA")),
              "line 3, column 6: answer A: the control character U+0005 cannot be shown");
    EXPECT_EQ(refusal(sheetWith("1\tq\ta\tb\x7F\tc\td\tA")),
              "line 3, column 8: answer B: the control character U+007F cannot be shown");
    EXPECT_EQ(refusal(sheetWith("1\tq\ta\tb\tc\rc\td\tA")),
              "line 3, column 10: answer C: a line break cannot be shown in a question or an "
              "answer");
}

TEST(QuestionSheet, ReportsAnEmojiAsOneCharacterWithItsCodePoint) {
    EXPECT_EQ(refusal(sheetWith("1\tq\t😀€\tb\tc\td\tA")),
              "line 3, column 5: answer A: the character '😀' (U+1F600) has no place in code "
              "page 866\n"
              "line 3, column 6: answer A: the character '€' (U+20AC) has no place in code "
              "page 866");
}

TEST(QuestionSheet, ReportsEveryBadCharacterOfTheSheet) {
    const QByteArray sheet =
        QuestionSheet::HeaderLine() +
        "\n1\tq√\ta\tb\tc\t«d»\tA\n2\tq\ta\tb\tc\td\tA\n3\t░q\ta\tb\tc\td\tA\n";
    EXPECT_EQ(refusal(sheet),
              "line 2, column 4: the question: the character '√' (U+221A) is shown as 'v' in "
              "the game\n"
              "line 2, column 12: answer D: the character '«' (U+00AB) has no place in code "
              "page 866\n"
              "line 2, column 14: answer D: the character '»' (U+00BB) has no place in code "
              "page 866\n"
              "line 4, column 3: the question: the character '░' (U+2591) is shown as '-' in "
              "the game");
}

TEST(QuestionSheet, RefusesInvalidUtf8AndEmptyTexts) {
    EXPECT_EQ(refusal(sheetWith("1\tq\t\xff\tb\tc\td\tA")), "line 3: the text is not valid UTF-8");
    EXPECT_EQ(refusal(sheetWith("1\t\ta\tb\tc\td\tA")), "line 3: the question: the text is empty");
}

TEST(QuestionSheet, RefusesAnAnswerThatShowsNothingButSpaces) {
    EXPECT_EQ(refusal(sheetWith("1\tq\ta\t   \tc\td\tA")),
              "line 3: answer B: the text shows nothing but spaces");
}

TEST(QuestionSheet, RefusesAnswersThatReadTheSameToThePlayer) {
    EXPECT_EQ(refusal(sheetWith("1\tq\t Лион\tНицца\tЛион \tМарсель\tA")),
              "line 3: answers A and C read the same");
    EXPECT_EQ(refusal(sheetWith("1\tq\tx\tx\ty\ty\tA")),
              "line 3: answers A and B read the same\nline 3: answers C and D read the same");
    EXPECT_TRUE(refusal(sheetWith("1\tq\tЛион\tлион\tc\td\tA")).isEmpty());
}

TEST(QuestionSheet, ReportsEveryRefusedLine) {
    const QByteArray sheet =
        QuestionSheet::HeaderLine() + "\n0\tq\ta\tb\tc\td\tA\n1\tq\ta\tb\tc\td\tA\n1\tq\n";
    EXPECT_EQ(refusal(sheet), "line 2: level '0' is not a number from 1 to 15\n"
                              "line 4: 2 columns, 7 expected");
}

TEST(QuestionSheet, RefusesASheetWithoutQuestions) {
    EXPECT_EQ(refusal(QuestionSheet::HeaderLine() + "\n"), "the sheet holds no questions");
    EXPECT_EQ(refusal(QuestionSheet::HeaderLine() + "\r\n\r\n"), "the sheet holds no questions");
    EXPECT_EQ(refusal(""), "line 1: the header line must read "
                           "'level<tab>question<tab>A<tab>B<tab>C<tab>D<tab>right'\n"
                           "the sheet holds no questions");
}

// As spreadsheets save a sheet: a byte order mark, quoted cells, CRLF and
// empty lines at the end.

TEST(QuestionSheet, ReadsASheetThatStartsWithAByteOrderMark) {
    EXPECT_EQ(QuestionSheet::Parse("\xEF\xBB\xBF" + sheetWith("2\tq\ta\tb\tc\td\tC")).size(), 2u);
}

TEST(QuestionSheet, IgnoresEmptyLinesAtTheEnd) {
    EXPECT_EQ(QuestionSheet::Parse(sheetWith("2\tq\ta\tb\tc\td\tC") + "\n\n").size(), 2u);
    EXPECT_EQ(
        QuestionSheet::Parse(sheetWith("2\tq\ta\tb\tc\td\tC") + "\r\n\t\t\t\t\t\t\r\n").size(), 2u);
}

TEST(QuestionSheet, RefusesAnEmptyLineAmongTheQuestions) {
    EXPECT_EQ(refusal(sheetWith("\n2\tq\ta\tb\tc\td\tC")), "line 3: the line is empty");
}

TEST(QuestionSheet, ReadsQuotedCellsWithDoubledQuotesInside) {
    const auto records = QuestionSheet::Parse(sheetWith(
        "\"3\"\t\"Кто сказал \"\"Поехали!\"\"?\"\t\"\"\"Гагарин\"\"\"\tб\t\"в\"\tг\t\"B\""));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].level, 3);
    EXPECT_EQ(records[1].right, 2);
    EXPECT_EQ(LoadStr(records[1].stored[0]), cp866::encode("Кто сказал \"Поехали!\"?"));
    EXPECT_EQ(LoadStr(records[1].stored[1]), cp866::encode("\"Гагарин\""));
    EXPECT_EQ(LoadStr(records[1].stored[3]), cp866::encode("в"));
}

TEST(QuestionSheet, TakesAQuoteInsideAnUnquotedCellAsWritten) {
    const auto records = QuestionSheet::Parse(sheetWith("3\tПтица \"ёжится\"\ta\"\tb\tc\td\tA"));
    EXPECT_EQ(LoadStr(records[1].stored[0]), cp866::encode("Птица \"ёжится\""));
    EXPECT_EQ(LoadStr(records[1].stored[1]), cp866::encode("a\""));
}

TEST(QuestionSheet, RefusesALineBreakInsideAQuotedCellNamingItsLineAndColumn) {
    const QByteArray sheet = QuestionSheet::HeaderLine() +
                             "\r\n1\t\"Первая\r\nвторая\"\tа\tб\tв\tг\tA\r\n"
                             "1\tq\ta\t\"b\nb\"\tc\td\tA\r\n0\tq\ta\tb\tc\td\tA\r\n";
    EXPECT_EQ(refusal(sheet),
              "line 2, column 10: the question: a line break cannot be shown in a question or "
              "an answer\n"
              "line 4, column 9: answer B: a line break cannot be shown in a question or an "
              "answer\n"
              "line 6: level '0' is not a number from 1 to 15");
}

TEST(QuestionSheet, RefusesATabInsideAQuotedCell) {
    EXPECT_EQ(refusal(sheetWith("1\tq\t\"a\tb\"\tb\tc\td\tA")),
              "line 3, column 7: answer A: a tab cannot be shown in a question or an answer");
}

TEST(QuestionSheet, RefusesAQuoteThatIsNeverClosed) {
    EXPECT_EQ(refusal(sheetWith("1\tq\ta\t\"b\tc\td\tA")),
              "line 3, column 7: the quote opened here is never closed");
}

TEST(QuestionSheet, RefusesTextAfterTheClosingQuoteOfACell) {
    EXPECT_EQ(refusal(sheetWith("1\tq\t\"a\"b\tb\tc\td\tA")),
              "line 3, column 8: text after the closing quote; a quote inside a quoted cell is "
              "written twice");
}

TEST(QuestionSheet, ACellWrittenForATextReadsBackAsThatText) {
    const QStringList texts{"plain", "\"quoted\"", "in \"the\" middle", "a\tb", "a\nb", "\""};
    for (const QString& text : texts) {
        const auto rows = SheetReader::Read(QuestionSheet::Cell(text) + "\tnext\n");
        ASSERT_EQ(rows.size(), 1u) << text.toStdString();
        EXPECT_EQ(rows[0].cells.at(0).text, text);
        EXPECT_EQ(rows[0].cells.at(1).text, "next");
    }
    EXPECT_EQ(QuestionSheet::Cell("in \"the\" middle"), "in \"the\" middle");
}

} // namespace
