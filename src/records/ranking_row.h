// One player's line of the ranking: what the list beside the game and the
// lider.html page show of him.
#pragma once

#include <QString>

struct RankingRow {
    // Average winnings per game. Wider than the stored integers, so that no
    // account can overflow the division.
    qint64 score = 0;
    QString name;  // the player's section name; empty in an empty row
    int games = 0; // "Игра"
    int money = 0; // "Состояние"
    QString date;  // "DT" as stored
    QString city;  // "Место" as stored

    QString scoreText() const { return QString::number(score); }
    bool isEmpty() const { return name.isEmpty(); }
};
