#include "app/prize_ladder.h"

bool isMilestone(int level) { return level == 5 || level == 10 || level == 15; }

QString ladderRowText(int level, QChar marker)
{
    QString value = QString::number(PrizeLadder.at(level));
    for (qsizetype i = value.size() - 3; i > 0; i -= 3)
        value.insert(i, u'.');
    return QStringLiteral("%1 %2%3").arg(level, 3).arg(marker).arg(value, 10);
}

LadderRowLook ladderRowLook(int level, bool current)
{
    if (current)
        return {QColor(0xFF, 0xFF, 0xAA),
                isMilestone(level) ? QColor(0xFF, 0x00, 0x00) : QColor(0xFF, 0x68, 0x20), u'>'};
    return {isMilestone(level) ? QColor(0xFF, 0xFF, 0x97) : QColor(0xFF, 0x9D, 0x6F),
            QColor(0x00, 0x00, 0x00), u'-'};
}

int ladderRowToRestore(int n)
{
    if (n == 1)
        return TopLevel;
    if (n == 0 || n == 2)
        return 1;
    return n - 1;
}
