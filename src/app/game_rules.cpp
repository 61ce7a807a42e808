#include "app/game_rules.h"

#include "app/prize_ladder.h"

#include <algorithm>

int nextClickCount(int stored)
{
    const int count = (stored < 0 || stored > 9) ? 0 : stored;
    return count + 1 == 10 ? 1 : count + 1;
}

int nextPhraseNo(int stored)
{
    const int phrase = (stored < 0 || stored > 4) ? 0 : stored;
    return phrase + 1 == 5 ? 1 : phrase + 1;
}

bool isTease(int clickCount, int level) { return clickCount == 5 && level > 5; }

int gameResult(GameEnd end, int level, int balance, int winnings)
{
    switch (end) {
    case GameEnd::Million:
        return PrizeLadder[15];
    case GameEnd::MoneyTaken:
        return winnings;
    case GameEnd::Lost:
        break;
    }
    if (level >= 11)
        return PrizeLadder[10];
    if (level >= 6)
        return PrizeLadder[5];
    return std::min(-(balance / 10), -10);
}

int bookedBalance(int balance, int gameResult, int gameNo)
{
    const long long booked = static_cast<long long>(balance) + gameResult;
    if (booked < 0)
        return 0;
    const int clamped = static_cast<int>(std::min<long long>(booked, 2147483647LL));
    return (clamped > 100 && gameNo == 1) ? clamped - 100 : clamped;
}

QString resultCaption(int gameResult)
{
    return (gameResult > 0 ? QStringLiteral("Выигрыш: ") : QStringLiteral("Проигрыш: ")) +
           QString::number(gameResult) + QStringLiteral(" руб!");
}

QString scoreBoardCaption(int level)
{
    return QStringLiteral("* ") + QString::number(PrizeLadder.at(level)) + QStringLiteral(" *");
}

bool isHolidayPeriod(const QDate& today)
{
    return today > QDate(2000, 12, 24) && today < QDate(2001, 1, 15);
}

QString millionText(int balanceBefore, int gameNo, const QString& playerName)
{
    const long long average = (static_cast<long long>(balanceBefore) + PrizeLadder[15]) /
                              std::max(gameNo, 1);
    if (average >= PrizeLadder[15])
        return QStringLiteral("Этого не может быть, но это произошло! ТЫ ПОБЕДИТЕЛЬ!!!");
    return QStringLiteral("%1 Ты выиграл миллион! Но до Победы далеко!").arg(playerName);
}

int banknotesForTakenMoney(int winnings)
{
    if (winnings == PrizeLadder[5] || winnings == PrizeLadder[10])
        return 0;
    if (winnings > PrizeLadder[10])
        return winnings - PrizeLadder[10];
    if (winnings > PrizeLadder[5])
        return winnings - PrizeLadder[5];
    return winnings;
}

std::vector<BanknoteRun> banknoteRuns(int amount)
{
    std::vector<BanknoteRun> runs;
    int remaining = amount;
    for (const int value : {500, 100, 50, 10, 5}) {
        if (remaining < value)
            continue;
        const int portion = value == 5 ? remaining : remaining / 2 + remaining / 4;
        if (portion < value)
            continue;
        const int count = std::min(portion / value, 1000);
        remaining -= value * count;
        runs.push_back({value, count});
    }
    return runs;
}

RotatedAnswers rotateAnswers(const std::array<QByteArray, 4>& answers, int rightAnswer)
{
    return {{answers[3], answers[0], answers[1], answers[2]}, rightAnswer == 4 ? 1 : rightAnswer + 1};
}
