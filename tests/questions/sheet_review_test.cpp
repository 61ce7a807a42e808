// The review of a whole sheet: counts and letters per level, and every way a
// level gets spoilt for a player who plays it every day.
#include "question_sheet.h"
#include "sheet_review.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

struct Line {
    int level;
    QString question;
    QStringList answers;
    char right;
};

std::vector<QuestionRecord> sheet(const std::vector<Line>& lines)
{
    QByteArray text = QuestionSheet::HeaderLine() + '\n';
    for (const Line& line : lines)
        text += (QString::number(line.level) + u'\t' + line.question + u'\t' + line.answers.join(u'\t') +
                 u'\t' + QChar::fromLatin1(line.right) + u'\n')
                    .toUtf8();
    return QuestionSheet::Parse(text);
}

// Twenty questions of a level with different answers, right letters in turn.
std::vector<Line> evenLevel(int level)
{
    std::vector<Line> lines;
    for (int i = 0; i < 20; ++i)
        lines.push_back({level, QStringLiteral("Вопрос %1 о предмете %2?").arg(i).arg(i + 100),
                         {QStringLiteral("а%1").arg(i), QStringLiteral("б%1").arg(i), QStringLiteral("в%1").arg(i),
                          QStringLiteral("г%1").arg(i)},
                         char('A' + i % 4)});
    return lines;
}

TEST(SheetReview, CountsQuestionsAndRightLettersPerLevel)
{
    const SheetReview review = reviewSheet(sheet(evenLevel(3)));
    EXPECT_EQ(review.questions[3], 20);
    EXPECT_EQ(review.rightLetters[3], (std::array<int, 4>{5, 5, 5, 5}));
    EXPECT_TRUE(review.faults.isEmpty()) << review.faults.join(u'\n').toStdString();
}

TEST(SheetReview, ALevelShortOfTheMinimumOrWithARareRightLetterIsAFault)
{
    std::vector<Line> lines = evenLevel(3);
    for (Line& line : lines)
        if (line.right == 'D')
            line.right = 'A';
    ReviewRules rules;
    rules.minimumPerLevel = 21;
    const SheetReview review = reviewSheet(sheet(lines), rules);
    EXPECT_TRUE(review.faults.contains("level 3: only 0 % of the right answers are D"));
    EXPECT_TRUE(review.faults.contains("level 3: 20 questions, fewer than 21"));
    EXPECT_TRUE(review.faults.contains("level 1: 0 questions, fewer than 21"));
}

TEST(SheetReview, ARightAnswerThreeTimesInALevelIsAFaultTwiceIsNot)
{
    std::vector<Line> lines = evenLevel(5);
    lines[0].answers[0] = QStringLiteral("Пётр I");
    lines[1].answers[1] = QStringLiteral("петр i");
    EXPECT_TRUE(reviewSheet(sheet(lines)).faults.isEmpty());
    lines[2].answers[2] = QStringLiteral("Пётр I!");
    const QStringList faults = reviewSheet(sheet(lines)).faults;
    ASSERT_EQ(faults.size(), 1);
    EXPECT_TRUE(faults[0].startsWith("level 5: the right answer \"петр i\" on 3 lines (2, 3, 4)"))
        << faults[0].toStdString();
}

TEST(SheetReview, TwoQuestionsOfALevelWithTheSameFourAnswersAreAFault)
{
    std::vector<Line> lines = evenLevel(7);
    lines[4].answers = QStringList{QStringLiteral("г0"), QStringLiteral("в0"), QStringLiteral("б0"), QStringLiteral("а0")};
    lines[4].right = 'C';
    EXPECT_TRUE(reviewSheet(sheet(lines)).faults.contains("level 7: lines 2, 6 share their four answers"));
    // On another level the same answers are no fault.
    lines[4].level = 8;
    EXPECT_TRUE(reviewSheet(sheet(lines)).faults.isEmpty());
}

TEST(SheetReview, TheSameQuestionInOtherWordsIsFoundAcrossLevels)
{
    std::vector<Line> lines = evenLevel(2);
    lines.push_back({9, QStringLiteral("О предмете 103 - вопрос 3!"), {"x", "y", "z", "w"}, 'A'});
    const QStringList faults = reviewSheet(sheet(lines)).faults;
    ASSERT_EQ(faults.size(), 1);
    EXPECT_TRUE(faults[0].startsWith("lines 5 and 22 ask the same")) << faults[0].toStdString();
}

TEST(SheetReview, OneFactAskedAgainWithTheSameAnswerIsFoundThoughTheWordsDiffer)
{
    const std::vector<Line> lines{
        {6, QStringLiteral("В каком году произошло Бородинское сражение?"), {"1812", "1805", "1709", "1914"}, 'A'},
        {7, QStringLiteral("В каком году состоялось Бородинское сражение с Наполеоном?"), {"1813", "1812", "1799", "1854"}, 'B'},
        {7, QStringLiteral("В каком году состоялась Полтавская битва?"), {"1812", "1709", "1700", "1721"}, 'B'}};
    const QStringList faults = reviewSheet(sheet(lines)).faults;
    ASSERT_EQ(faults.size(), 1);
    EXPECT_TRUE(faults[0].startsWith("lines 2 and 3 ask the same")) << faults[0].toStdString();
}

TEST(SheetReview, WordsAreComparedWithoutCaseYoAndPunctuation)
{
    EXPECT_EQ(comparedWords(QStringLiteral("Ещё раз: \"Ёлка\"-ТОП, 2 гола!")),
              (QStringList{"еще", "раз", "елка", "топ", "2", "гола"}));
}

} // namespace
