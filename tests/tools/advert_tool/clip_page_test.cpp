// A clip's page as it goes into tulip.dat: Russian of the UTF-8 source
// turned into 1251 escapes, the lines as the author wrote them, and every
// line the game would misread refused with its file and line.
#include "clip_page.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

const QString Page = QStringLiteral("lifelines.rtf");

QByteArrayList pageOf(const QByteArray& source, QStringList& problems) {
    return ClipPage::FromSource(source, Page, problems);
}

QStringList problemsOf(const QByteArray& source) {
    QStringList problems;
    pageOf(source, problems);
    return problems;
}

} // namespace

TEST(ClipPageEscape, RussianLettersBecomeTheirCodePage1251Bytes) {
    EXPECT_EQ(ClipPage::Escape(QStringLiteral("Ёж и ёлка")),
              QByteArray("\\'a8\\'e6 \\'e8 \\'b8\\'eb\\'ea\\'e0"));
}

TEST(ClipPageEscape, AsciiAndRtfControlWordsStayAsTheyAre) {
    const QString line = QStringLiteral("\\pard\\qc\\b\\cf1\\fs30 F5 {\\i 50%}\\par");
    EXPECT_EQ(ClipPage::Escape(line), line.toLatin1());
}

TEST(ClipPageEscape, PunctuationOf1251LikeDashesQuotesAndNoBreakSpaceIsEscapedToo) {
    EXPECT_EQ(ClipPage::Escape(QStringLiteral("«1\u00a0000» — №")),
              QByteArray("\\'ab1\\'a0000\\'bb \\'97 \\'b9"));
}

TEST(ClipPageEscape, ACharacter1251CannotHoldBecomesASigned16BitUnicodeEscapeWithAQuestionMark) {
    EXPECT_EQ(ClipPage::Escape(QStringLiteral("Игра → Пауза")).mid(17, 8), QByteArray("\\u8594? "));
    EXPECT_EQ(ClipPage::Escape(QStringLiteral("\uff01")), QByteArray("\\u-255?"));
    // A character beyond 16 bits is written as its two halves.
    EXPECT_EQ(ClipPage::Escape(QString::fromUtf8("\xF0\x9F\x8E\xB2")),
              QByteArray("\\u-10180?\\u-8270?"));
}

TEST(ClipPageLines, ThePageKeepsItsLinesEmptyOnesIncludedWithoutTheLastLineBreak) {
    QStringList problems;
    const QByteArrayList page = pageOf("{\\rtf1\r\n\r\nПауза\\par\r\n}\r\n", problems);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
    EXPECT_EQ(page, (QByteArrayList{"{\\rtf1", "", "\\'cf\\'e0\\'f3\\'e7\\'e0\\par", "}"}));
}

TEST(ClipPageLines, AByteOrderMarkOfTheEditorIsDropped) {
    QStringList problems;
    EXPECT_EQ(pageOf("\xEF\xBB\xBF{\\rtf1 A}", problems), QByteArrayList{"{\\rtf1 A}"});
    EXPECT_TRUE(problems.isEmpty());
}

TEST(ClipPageRefusals, ALineBeginningWithABracketIsRefusedWithItsFileAndLine) {
    EXPECT_EQ(problemsOf("{\\rtf1\n[F2]\n}"),
              QStringList{"lifelines.rtf:2: a line may not begin with \"[\": the game would take "
                          "it for the end of the clip (join it to the line before)"});
}

TEST(ClipPageRefusals, ABracketAfterBlanksAtTheStartOfALineIsRefusedToo) {
    EXPECT_EQ(problemsOf("{\\rtf1\n \t[COMMON]\n}").size(), 1);
    EXPECT_TRUE(problemsOf("{\\rtf1\n\\par [1]\n}").isEmpty());
}

TEST(ClipPageRefusals, APageThatDoesNotBeginAsRtfIsRefused) {
    EXPECT_EQ(problemsOf("Просто текст"),
              QStringList{"lifelines.rtf:1: a clip's page begins with {\\rtf1"});
}

TEST(ClipPageRefusals, ABraceClosingNoGroupIsRefusedAtItsLine) {
    EXPECT_EQ(problemsOf("{\\rtf1\n}\n}"),
              QStringList{"lifelines.rtf:3: \"}\" closes a group that was never opened"});
}

TEST(ClipPageRefusals, GroupsLeftOpenAreRefusedAtTheLastLine) {
    EXPECT_EQ(problemsOf("{\\rtf1\n{\\b A\n"),
              QStringList{"lifelines.rtf:2: 2 group(s) still open at the end of the page"});
}

TEST(ClipPageRefusals, EscapedBracesAndBackslashesOpenOrCloseNoGroup) {
    EXPECT_TRUE(problemsOf("{\\rtf1 \\{ \\} \\\\}").isEmpty());
}

TEST(ClipPageRefusals, ALineThatIsNotUtf8IsRefused) {
    EXPECT_EQ(problemsOf("{\\rtf1\n\xcf\xe0\xf3\xe7\xe0\n}"),
              QStringList{"lifelines.rtf:2: not UTF-8 text"});
}
