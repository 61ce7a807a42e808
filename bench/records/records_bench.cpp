// How long the ranking takes to rebuild from a results file of 10,000
// players, as a multiple of reading that file raw in the same run, and of
// loading it as one INI document. Printed for files where none, a tenth and
// all of the players are stale.
#include "storage/code_page.h"
#include "storage/ini_file.h"
#include "storage/scramble.h"
#include "records/game_date.h"
#include "records/ranking.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int PlayerCount = 10000;
constexpr int Runs = 7;
const QDate Today(2024, 3, 15);

QByteArray resultsFile(int stalePerTen) {
    QByteArray content;
    for (int i = 0; i < PlayerCount; ++i) {
        const QDate lastRight = Today.addDays(i % 10 < stalePerTen ? -40 - i % 7 : -(i % 30));
        const QString section = QStringLiteral("[Игрок %1]\r\n"
                                               "Инфо=user;user;host\r\n"
                                               "Место=Город %2\r\n"
                                               "DT=%3 12:%4\r\n")
                                    .arg(i)
                                    .arg(i % 97)
                                    .arg(DateToStr(lastRight))
                                    .arg(i % 60, 2, 10, QLatin1Char('0'));
        content += cp1251::encode(section);
        content += cp1251::encode(QStringLiteral("Игра=")) +
                   ScrambleText(QByteArray::number(1 + i % 50)) + "\r\n";
        content += cp1251::encode(QStringLiteral("Состояние=")) +
                   ScrambleText(QByteArray::number((i * 7919) % 100000)) + "\r\n";
    }
    return content;
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Median of the runs, in nanoseconds; prepare runs untimed before each.
qint64 medianNs(const std::function<void()>& prepare, const std::function<void()>& work) {
    std::vector<qint64> times;
    for (int run = 0; run < Runs; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tulip.lst"));
    std::printf("ranking rebuild of %d players, against a raw read of the same file\n",
                PlayerCount);
    for (const int stalePerTen : {0, 1, 10}) {
        const QByteArray content = resultsFile(stalePerTen);
        const auto freshFile = [&] { writeFile(path, content); };
        qsizetype rawBytes = 0;
        const qint64 raw = medianNs(freshFile, [&] {
            QFile f(path);
            if (f.open(QIODevice::ReadOnly))
                rawBytes = f.readAll().size();
        });
        qsizetype lines = 0;
        const qint64 load = medianNs(freshFile, [&] { lines = IniLoad(path).lineTexts().size(); });
        qsizetype shown = 0;
        const qint64 rebuild =
            medianNs(freshFile, [&] { shown = RebuildRanking(path, Today).size(); });
        std::printf(
            "%3d%% stale: %lld bytes, %lld lines: raw read %.2f ms, INI load %.2f ms, "
            "rebuild %.2f ms (%lld rows); rebuild / raw read %.0f, rebuild / INI load %.1f\n",
            stalePerTen * 10, static_cast<long long>(rawBytes), static_cast<long long>(lines),
            raw / 1e6, load / 1e6, rebuild / 1e6, static_cast<long long>(shown),
            static_cast<double>(rebuild) / raw, static_cast<double>(rebuild) / load);
    }
    return 0;
}
