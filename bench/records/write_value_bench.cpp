// One value written to a results file of 700,000 players, as the game writes
// at every right answer (the date of the player's latest right answer, "DT")
// and for a new player's city: through IniWriteStr on the file's bytes, and
// through a document of the whole file, the way it was written before, as
// the reference. Printed as ratios: the time against reading the file's
// bytes once and against the document, and the growth of the resident
// memory against the file's size.
#include "big_results_file.h"
#include "storage/ini_document.h"
#include "storage/ini_file.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <malloc.h>

#include <cstdio>
#include <functional>

namespace {

constexpr int Runs = 3;

struct Write {
    double ms = 0;
    double growth = 0;  // of the resident memory, in bytes
};

// The median of runs of one write, each on the file as it was made.
Write measure(const QString& path, const QByteArray& content,
              const std::function<void()>& write)
{
    std::vector<double> times;
    std::vector<double> growths;
    for (int run = 0; run < Runs; ++run) {
        writeFile(path, content);
        malloc_trim(0);
        const qint64 residentBefore = statusBytes("VmRSS");
        resetPeakMemory();
        QElapsedTimer timer;
        timer.start();
        write();
        times.push_back(timer.nsecsElapsed() / 1e6);
        growths.push_back(double(statusBytes("VmHWM") - residentBefore));
    }
    std::sort(times.begin(), times.end());
    std::sort(growths.begin(), growths.end());
    return {times[Runs / 2], growths[Runs / 2]};
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return f.readAll();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const QDate today(2024, 3, 15);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tulip.lst"));
    const QByteArray content = resultsFile(today, 0);
    const double size = double(content.size());
    writeFile(path, content);
    const double rawMs = rawReadMs(path, Runs);
    std::printf("One value written to tulip.lst of %d players (%.1f MB), median of %d runs; "
                "raw read %.1f ms\n",
                PlayerCount, size / 1e6, Runs, rawMs);

    const struct {
        const char* label;
        QString section;
        QString key;
        QString value;
    } cases[] = {
        {"DT of a player in the middle", playerName(PlayerCount / 2 + 1), QStringLiteral("DT"),
         DateToStr(today) + QStringLiteral(" 12:34")},
        {"city of a new player", QStringLiteral("Новый игрок"), QStringLiteral("Место"),
         QStringLiteral("Тула")},
    };
    for (const auto& c : cases) {
        const Write onBytes = measure(path, content, [&] {
            IniWriteStr(path, c.section, c.key, c.value);
        });
        const QByteArray written = fileBytes(path);
        const Write byDocument = measure(path, content, [&] {
            IniEdit(path, [&](IniDocument& document) {
                document.setValue(cp1251::encode(c.section), cp1251::encode(c.key),
                                  cp1251::encode(c.value));
                return true;
            });
        });
        if (fileBytes(path) != written || written == content)
            qFatal("the two ways of writing %s gave different bytes", c.label);
        std::printf("%s:\n"
                    "  on the file's bytes %.1f ms: %.1f raw reads, %.3f of the document's "
                    "time; memory growth %.1f MB: %.2f of the file's size\n"
                    "  by a document of the file %.0f ms: %.1f raw reads; "
                    "memory growth %.1f MB: %.2f of the file's size\n",
                    c.label, onBytes.ms, onBytes.ms / rawMs, onBytes.ms / byDocument.ms,
                    onBytes.growth / 1e6, onBytes.growth / size, byDocument.ms,
                    byDocument.ms / rawMs, byDocument.growth / 1e6, byDocument.growth / size);
    }
    return 0;
}
