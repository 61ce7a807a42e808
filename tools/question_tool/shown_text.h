// How a question text kept in the question table reaches the player's screen:
// the offset removed, then DOS Cyrillic turned into Windows Cyrillic the way
// Windows turns it. The tool dumps texts as the game shows them and stores
// only characters that come back as they were written.
#pragma once

#include <QByteArray>
#include <QString>

class ShownText {
public:
    static QString FromStored(const QByteArray& stored);
    // A character that code page 866 cannot hold becomes "?".
    static QByteArray ToStored(const QString& text);
};
