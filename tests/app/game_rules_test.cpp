// The arithmetic of a game: counters, results, the booking, the banknotes,
// the ladder texts and the answer rotation.
#include "app/game_rules.h"
#include "app/player_name.h"
#include "app/prize_ladder.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

TEST(PrizeLadder, RowTextsAreFifteenCharactersWithDottedThousands)
{
    EXPECT_EQ(ladderRowText(1), "  1 -       100");
    EXPECT_EQ(ladderRowText(5), "  5 -     1.000");
    EXPECT_EQ(ladderRowText(12, u'>'), " 12 >   125.000");
    EXPECT_EQ(ladderRowText(15), " 15 - 1.000.000");
    for (int level = 1; level <= 15; ++level)
        EXPECT_EQ(ladderRowText(level).size(), 15);
}

TEST(PrizeLadder, MilestonesAndTheCurrentRowHaveTheirOwnColours)
{
    EXPECT_EQ(ladderRowLook(5, false).text, QColor(0xFF, 0xFF, 0x97));
    EXPECT_EQ(ladderRowLook(4, false).text, QColor(0xFF, 0x9D, 0x6F));
    EXPECT_EQ(ladderRowLook(10, true).background, QColor(0xFF, 0x00, 0x00));
    EXPECT_EQ(ladderRowLook(11, true).background, QColor(0xFF, 0x68, 0x20));
    EXPECT_EQ(ladderRowLook(11, true).marker, u'>');
}

TEST(PrizeLadder, MovingTheMarkerRestoresTheRowBelow)
{
    EXPECT_EQ(ladderRowToRestore(1), 15);
    EXPECT_EQ(ladderRowToRestore(0), 1);
    EXPECT_EQ(ladderRowToRestore(2), 1);
    EXPECT_EQ(ladderRowToRestore(9), 8);
}

TEST(Counters, ClickAndPhraseCountersCycleAndOutOfRangeCountsAsZero)
{
    EXPECT_EQ(nextClickCount(9), 1);
    EXPECT_EQ(nextClickCount(4), 5);
    EXPECT_EQ(nextClickCount(17), 1);
    EXPECT_EQ(nextClickCount(-3), 1);
    EXPECT_EQ(nextPhraseNo(4), 1);
    EXPECT_EQ(nextPhraseNo(5), 1);
    EXPECT_EQ(nextPhraseNo(2), 3);
}

TEST(Counters, OnlyTheFifthClickAboveLevelFiveTeases)
{
    EXPECT_TRUE(isTease(5, 6));
    EXPECT_TRUE(isTease(5, 15));
    EXPECT_FALSE(isTease(5, 5));
    EXPECT_FALSE(isTease(4, 7));
}

TEST(GameResult, LossesKeepTheMilestoneOrCostATenthOfAtLeastTen)
{
    EXPECT_EQ(gameResult(GameEnd::Lost, 3, 1000, 200), -100);
    EXPECT_EQ(gameResult(GameEnd::Lost, 2, 50, 100), -10);
    EXPECT_EQ(gameResult(GameEnd::Lost, 1, 5, 0), -10);
    EXPECT_EQ(gameResult(GameEnd::Lost, 5, 99999, 500), -9999);
    EXPECT_EQ(gameResult(GameEnd::Lost, 6, 1000, 1000), 1000);
    EXPECT_EQ(gameResult(GameEnd::Lost, 10, 1000, 16000), 1000);
    EXPECT_EQ(gameResult(GameEnd::Lost, 11, 1000, 32000), 32000);
    EXPECT_EQ(gameResult(GameEnd::Lost, 15, 1000, 500000), 32000);
    EXPECT_EQ(gameResult(GameEnd::MoneyTaken, 13, 1000, 125000), 125000);
    EXPECT_EQ(gameResult(GameEnd::Million, 15, 1000, 500000), 1000000);
}

TEST(Booking, TheBalanceNeverGoesBelowZeroAndTheFirstGameRepaysTheLoan)
{
    EXPECT_EQ(bookedBalance(1000, -100, 5), 900);
    EXPECT_EQ(bookedBalance(5, -10, 3), 0);
    EXPECT_EQ(bookedBalance(100, 500, 1), 500);
    EXPECT_EQ(bookedBalance(100, -10, 1), 90);  // not above 100: nothing repaid
    EXPECT_EQ(bookedBalance(100, 0, 1), 100);
    EXPECT_EQ(bookedBalance(100, 500, 2), 600);
    EXPECT_EQ(bookedBalance(2147000000, 1000000, 4), 2147483647);
}

TEST(Booking, TheScoreBoardNamesWinOrLossWithItsSign)
{
    EXPECT_EQ(resultCaption(1000), "Выигрыш: 1000 руб!");
    EXPECT_EQ(resultCaption(-100), "Проигрыш: -100 руб!");
    EXPECT_EQ(resultCaption(0), "Проигрыш: 0 руб!");
    EXPECT_EQ(scoreBoardCaption(1), "* 100 *");
    EXPECT_EQ(scoreBoardCaption(15), "* 1000000 *");
}

TEST(Million, TheVictoryNeedsAnAverageOfAMillionPerGame)
{
    EXPECT_EQ(millionText(100, 1, "Вася"), "Этого не может быть, но это произошло! ТЫ ПОБЕДИТЕЛЬ!!!");
    EXPECT_EQ(millionText(0, 3, "Вася"), "Вася Ты выиграл миллион! Но до Победы далеко!");
    EXPECT_EQ(millionText(1000000, 2, "Вася"),
              "Этого не может быть, но это произошло! ТЫ ПОБЕДИТЕЛЬ!!!");
}

TEST(Holidays, TheNewYearBoardRunsFrom25December2000To14January2001)
{
    EXPECT_FALSE(isHolidayPeriod(QDate(2000, 12, 24)));
    EXPECT_TRUE(isHolidayPeriod(QDate(2000, 12, 25)));
    EXPECT_TRUE(isHolidayPeriod(QDate(2001, 1, 14)));
    EXPECT_FALSE(isHolidayPeriod(QDate(2001, 1, 15)));
    EXPECT_FALSE(isHolidayPeriod(QDate(2026, 12, 31)));
}

TEST(Banknotes, AThousandRainsOneThreeThreeThreeAndFourNotes)
{
    const auto runs = banknoteRuns(1000);
    ASSERT_EQ(runs.size(), 5u);
    const int expected[5][2] = {{500, 1}, {100, 3}, {50, 3}, {10, 3}, {5, 4}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(runs[i].value, expected[i][0]);
        EXPECT_EQ(runs[i].count, expected[i][1]);
    }
}

TEST(Banknotes, RunsAreCappedAtAThousandNotesAndSmallChangeIsNotDrawn)
{
    const auto million = banknoteRuns(968000);
    EXPECT_EQ(million.front().value, 500);
    EXPECT_EQ(million.front().count, 1000);
    EXPECT_TRUE(banknoteRuns(4).empty());
    const auto small = banknoteRuns(7);
    ASSERT_EQ(small.size(), 1u);
    EXPECT_EQ(small.front().value, 5);
}

TEST(Banknotes, TakenMoneyShowsOnlyWhatTheMilestonesDidNotShow)
{
    EXPECT_EQ(banknotesForTakenMoney(125000), 93000);
    EXPECT_EQ(banknotesForTakenMoney(16000), 15000);
    EXPECT_EQ(banknotesForTakenMoney(500), 500);
    EXPECT_EQ(banknotesForTakenMoney(1000), 0);
    EXPECT_EQ(banknotesForTakenMoney(32000), 0);
}

TEST(Rotation, EachAnswerMovesOnePlaceDownAndTheRightOneFollows)
{
    const RotatedAnswers rotated = rotateAnswers({"a", "b", "c", "d"}, 2);
    EXPECT_EQ(rotated.answers, (std::array<QByteArray, 4>{"d", "a", "b", "c"}));
    EXPECT_EQ(rotated.answers[rotated.rightAnswer - 1], "b");
    EXPECT_EQ(rotateAnswers({"a", "b", "c", "d"}, 4).rightAnswer, 1);
}

TEST(PlayerName, BracketsAndLineBreaksCannotBreakTheResultsFile)
{
    EXPECT_EQ(cleanPlayerName(" Вася]\r\n[Петя "), "Вася)  (Петя");
    EXPECT_EQ(cleanPlayerName("<script>=;"), "<script>=;");
    EXPECT_EQ(cleanPlayerText("[Тверь]"), "[Тверь]");
}

TEST(PlayerName, SurroundingQuotesGoAsAReadWouldTakeThem)
{
    EXPECT_EQ(cleanPlayerName("\"Вася\""), "Вася");
    EXPECT_EQ(cleanPlayerName(" ' \"Вася\" ' "), "Вася");
    EXPECT_EQ(cleanPlayerName("\"Вася\" и 'Петя'"), "\"Вася\" и 'Петя'");
    EXPECT_EQ(cleanPlayerName("\"\""), "");
}

TEST(PlayerName, ALongNameIsCutToWhatTheInputBoxTakes)
{
    EXPECT_EQ(cleanPlayerName(QString(3000, u'Ж')), QString(PlayerTextMaxLength, u'Ж'));
    // Cut just after a blank, the name ends without it.
    EXPECT_EQ(cleanPlayerName(QString(39, u'Ж') + " Петров"), QString(39, u'Ж'));
}

TEST(PlayerName, CharactersTheFilesCannotHoldReadAsTheyWillBeWritten)
{
    EXPECT_EQ(cleanPlayerName(QStringLiteral("Вася\U0001F600")), "Вася?");
}

TEST(PlayerName, NamesMatchWithoutRegardToCase)
{
    EXPECT_TRUE(isSamePlayer("Вася", "ВАСЯ"));
    EXPECT_FALSE(isSamePlayer("Вася", "Петя"));
}

} // namespace
