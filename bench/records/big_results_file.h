// A results file of 700,000 players (about 66 MB, each section shaped as the
// game writes it) and the measures the benchmarks on it share: the resident
// memory of the process and the time to read the file's bytes once.
#pragma once

#include "records/game_date.h"
#include "records/ranking.h"
#include "storage/code_page.h"
#include "storage/scramble.h"

#include <QByteArray>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <algorithm>
#include <array>
#include <fstream>
#include <string>
#include <vector>

inline constexpr int PlayerCount = 700000;

// Resident memory of this process, in bytes, from /proc/self/status.
inline qint64 statusBytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    const std::string prefix = std::string(field) + ':';
    for (std::string line; std::getline(status, line);)
        if (line.rfind(prefix, 0) == 0)
            return std::stoll(line.substr(prefix.size())) * 1024;
    qFatal("no %s in /proc/self/status", field);
}

// Lets the high-water mark of the resident memory start again from now.
inline void resetPeakMemory()
{
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    if (!clear.flush())
        qFatal("cannot reset the peak memory through /proc/self/clear_refs");
}

inline QString playerName(int i)
{
    static const std::array<QString, 12> names{
        "Сергей", "Ольга", "Дмитрий", "Наталья", "Андрей", "Елена",
        "Алексей", "Татьяна", "Иван", "Мария", "Николай", "Анна"};
    return QStringLiteral("%1 %2").arg(names[i % names.size()]).arg(i);
}

// Players as the game writes them: the city at the first game, the date of
// the latest right answer, then the account, the games and who played.
inline QByteArray resultsFile(const QDate& today, int stalePerThirty)
{
    static const std::array<QString, 8> cities{"Москва", "Тула", "Омск", "Пермь",
                                               "Самара", "Казань", "Уфа", "Тверь"};
    static const std::array<QString, 4> logins{"user", "admin", "olga", "ivan"};
    QByteArray content;
    content.reserve(qsizetype(PlayerCount) * 80);
    quint32 draw = 12345;
    const auto next = [&draw] { return draw = draw * 1103515245u + 12345u; };
    for (int i = 0; i < PlayerCount; ++i) {
        const bool stale = i % 30 < stalePerThirty;
        const QDate lastRight = today.addDays(stale ? -StaleAfterDays - int(next() % 9)
                                                    : -int(next() % 31));
        const int games = 1 + int(next() % 60);
        const int money = 1 + int(next() % 200000);
        content += cp1251::encode(
            QStringLiteral("[%1]\r\nМесто=%2\r\nDT=%3 %4:%5\r\n")
                .arg(playerName(i), cities[next() % cities.size()], DateToStr(lastRight))
                .arg(int(next() % 24), 2, 10, QLatin1Char('0'))
                .arg(int(next() % 60), 2, 10, QLatin1Char('0')));
        content += cp1251::encode(QStringLiteral("Состояние=")) +
                   ScrambleText(QByteArray::number(money)) + "\r\n";
        content += cp1251::encode(QStringLiteral("Игра=")) +
                   ScrambleText(QByteArray::number(games)) + "\r\n";
        const QString& login = logins[next() % logins.size()];
        content += cp1251::encode(QStringLiteral("Инфо=%1;;PC%2\r\n").arg(login).arg(i % 100));
    }
    return content;
}

inline void writeFile(const QString& path, const QByteArray& content)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The file's bytes read once (median of runs), the reference of every ratio
// of time.
inline double rawReadMs(const QString& path, int runs)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly) || f.readAll().isEmpty())
            qFatal("cannot read %s", qPrintable(path));
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
