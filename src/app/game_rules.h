// The arithmetic of a game: counters, what a game wins or loses, the
// balance booking, the banknotes, the answer rotation and the texts built
// from numbers.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <array>
#include <vector>

// The answer-click counter runs 1..9 and the phrase counter 1..4; a stored
// value out of range counts as 0.
int nextClickCount(int stored);
int nextPhraseNo(int stored);
// A click at levels 6..15 whose click counter reaches 5 is a tease, not an answer.
bool isTease(int clickCount, int level);

enum class GameEnd { Million, Lost, MoneyTaken };
// What a finished game books to the balance.
int gameResult(GameEnd end, int level, int balance, int winnings);
// The balance after booking: never below 0, and a first game gives back
// the 100 roubles lent at its start.
int bookedBalance(int balance, int gameResult, int gameNo);
// "Выигрыш: 1000 руб!" / "Проигрыш: -100 руб!"
QString resultCaption(int gameResult);
// "* 1000 *" on the score board after a right answer at that level.
QString scoreBoardCaption(int level);
// 25 December 2000 to 14 January 2001.
bool isHolidayPeriod(const QDate& today);
// The message of the million.
QString millionText(int balanceBefore, int gameNo, const QString& playerName);
// The banknotes still to be shown when the money is taken (levels 5 and
// 10 have shown 1000 and 31000 already); 0 when none.
int banknotesForTakenMoney(int winnings);

struct BanknoteRun {
    int value;  // 500, 100, 50, 10 or 5
    int count;
};
// The notes the money window rains for an amount, largest first.
std::vector<BanknoteRun> banknoteRuns(int amount);

// A question's answers one place further down: A to B, B to C, C to D, D to
// A; the right answer's number follows (4 becomes 1).
struct RotatedAnswers {
    std::array<QByteArray, 4> answers;
    int rightAnswer;
};
RotatedAnswers rotateAnswers(const std::array<QByteArray, 4>& answers, int rightAnswer);
