// The fifteen questions of a game and what each is worth; levels 5 and 10
// are the milestones a player keeps, level 15 is the million.
#pragma once

#include <QColor>
#include <QString>

#include <array>

inline constexpr int TopLevel = 15;

inline constexpr std::array<int, TopLevel + 1> PrizeLadder{
    0, 100, 200, 300, 500, 1000, 2000, 4000, 8000, 16000, 32000,
    64000, 125000, 250000, 500000, 1000000};

bool isMilestone(int level);

// "  5 -     1.000": level in 3 places, a space, the marker, the value in 10
// places with "." between thousands.
QString ladderRowText(int level, QChar marker = u'-');

// How a row of the ladder looks.
struct LadderRowLook {
    QColor text;
    QColor background;
    QChar marker;
};
LadderRowLook ladderRowLook(int level, bool current);

// The row a move of the marker to row n gives back its normal look
// (n = 0 only restores row 1).
int ladderRowToRestore(int n);
