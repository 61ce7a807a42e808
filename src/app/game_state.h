// The state of the game in progress, one set for the whole run of the
// program. A lifeline has no flag: it counts as used while its commands
// are disabled.
#pragma once

#include <QByteArray>
#include <QString>

#include <array>

struct GameState {
    int Level = 0;  // 1..15, 0 while no game runs
    int RightAnswer = 1;
    int Balance = 0;
    int Winnings = 0;
    int GameNo = 0;
    int GameResult = 0;
    QString PlayerName;
    QString PlayerCity;
    int ClickCount = 0;
    int PhraseNo = 0;
    int AdvertCount = 0;
    int ThinkInterval = 500;
    std::array<QByteArray, 4> Answers;  // as stored in the question table
    int StartWidth = 0;
    int StartHeight = 0;
    bool Paused = false;
};
