// Results files as the game writes them: one section per player, integers
// scrambled, text in code page 1251.
#pragma once

#include "storage/code_page.h"
#include "storage/scramble.h"

#include <QByteArray>
#include <QDate>
#include <QFile>
#include <QList>
#include <QString>

#include <optional>

struct StoredPlayer {
    QString name;
    std::optional<int> games;
    std::optional<int> money;
    std::optional<QString> dt;
    QString city;
};

// The day every rebuild in the tests runs on.
inline const QDate TestToday(2024, 3, 15);

// "DT" of a right answer given that many days before TestToday.
inline QString answeredDaysAgo(int days) {
    return TestToday.addDays(-days).toString(QStringLiteral("dd.MM.yyyy")) +
           QStringLiteral(" 18:45");
}

inline QByteArray resultsBytes(const QList<StoredPlayer>& players) {
    QByteArray out;
    const auto line = [&out](const QString& key, const QByteArray& value) {
        out += cp1251::encode(key) + '=' + value + "\r\n";
    };
    for (const StoredPlayer& p : players) {
        out += cp1251::encode(u'[' + p.name + u']') + "\r\n";
        if (p.games)
            line(QStringLiteral("Игра"), ScrambleText(QByteArray::number(*p.games)));
        if (p.money)
            line(QStringLiteral("Состояние"), ScrambleText(QByteArray::number(*p.money)));
        line(QStringLiteral("Инфо"), "user;user;host");
        if (!p.city.isEmpty())
            line(QStringLiteral("Место"), cp1251::encode(p.city));
        if (p.dt)
            line(QStringLiteral("DT"), cp1251::encode(*p.dt));
    }
    return out;
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
