// A new game on a results file of 700,000 players (about 66 MB, each section
// shaped as the game writes it): the main window's own New game handler runs
// from F2 until it asks the player's name, then on to the first question.
// Printed as ratios: the time to the name box against its 2 s budget and
// against reading the file's bytes once in the same run, and the growth of
// the resident memory up to the name box and up to the first question
// against the file's size. Once for a file where nobody
// is stale, once where a day's share of the players (one in thirty) has gone
// stale and is dropped, so that the file is written back.
#include "app/main_window.h"
#include "records/game_date.h"
#include "records/ranking.h"
#include "storage/code_page.h"
#include "storage/scramble.h"
#include "storage/settings_store.h"
#include "support/fake_services.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <malloc.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int PlayerCount = 700000;
constexpr double NameBoxBudgetMs = 2000;
constexpr int Runs = 3;

// Resident memory of this process, in bytes, from /proc/self/status.
qint64 statusBytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    const std::string prefix = std::string(field) + ':';
    for (std::string line; std::getline(status, line);)
        if (line.rfind(prefix, 0) == 0)
            return std::stoll(line.substr(prefix.size())) * 1024;
    qFatal("no %s in /proc/self/status", field);
}

// Lets the high-water mark of the resident memory start again from now.
void resetPeakMemory()
{
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    if (!clear.flush())
        qFatal("cannot reset the peak memory through /proc/self/clear_refs");
}

QString playerName(int i)
{
    static const std::array<QString, 12> names{
        "Сергей", "Ольга", "Дмитрий", "Наталья", "Андрей", "Елена",
        "Алексей", "Татьяна", "Иван", "Мария", "Николай", "Анна"};
    return QStringLiteral("%1 %2").arg(names[i % names.size()]).arg(i);
}

// Players as the game writes them: the city at the first game, the date of
// the latest right answer, then the account, the games and who played.
QByteArray resultsFile(const QDate& today, int stalePerThirty)
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

void writeFile(const QString& path, const QByteArray& content)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The name box: notes when the game asks it, then answers as the player
// would, with the name of a player in the middle of the file.
class NameBoxWatch : public FakeDialogs {
public:
    QString inputText(const QString& caption, const QString& prompt,
                      const QString& defaultText) override
    {
        if (!askedAtNs) {
            askedAtNs = sinceF2.nsecsElapsed();
            peakAtNameBox = statusBytes("VmHWM");
        }
        return FakeDialogs::inputText(caption, prompt, defaultText);
    }
    QElapsedTimer sinceF2;
    std::optional<qint64> askedAtNs;
    qint64 peakAtNameBox = 0;
};

struct Run {
    double nameBoxMs = 0;
    double firstQuestionMs = 0;  // from the name box on
    double nameBoxGrowth = 0;    // of the resident memory, in bytes
    double firstQuestionGrowth = 0;
};

// One New game in a fresh program folder holding the results file.
Run newGame(const QByteArray& content, const QString& questionTable, int player)
{
    QTemporaryDir dir;
    const Paths paths = FakeServices::paths(dir.path());
    QDir().mkpath(paths.programFolder);
    QDir().mkpath(paths.windowsFolder);
    if (!QFile::copy(questionTable, paths.programFolder + "TULIP.DBF"))
        qFatal("cannot copy %s", qPrintable(questionTable));
    writeFile(paths.programFolder + "tulip.lst", content);

    FakeWaiter waiter;
    FakeSound sound;
    NameBoxWatch dialogs;
    dialogs.inputAnswers = {playerName(player)};
    FakeShell shell;
    FakeClock clock;
    ScriptedRandom random;
    FakeKeyboard keyboard;
    FakeDisplay display;
    Services services{waiter, sound,    dialogs, shell,  clock, random,
                      keyboard, display, FakeServices::facts(), paths};
    SettingsStore settings(paths.settingsFile);
    settings.WriteSettingBool(SettingsSection, QStringLiteral("NameMNU"), false);
    MainWindow window(services, settings);
    window.show();
    QApplication::processEvents();

    malloc_trim(0);
    const qint64 residentBefore = statusBytes("VmRSS");
    resetPeakMemory();
    dialogs.sinceF2.start();
    window.NewGame();
    const qint64 total = dialogs.sinceF2.nsecsElapsed();
    if (!dialogs.askedAtNs || window.state().Level != 1 || window.state().Balance == 0)
        qFatal("the new game did not ask the name and reach the first question: %s",
               qPrintable(dialogs.shown.join(u'\n')));
    return {*dialogs.askedAtNs / 1e6, (total - *dialogs.askedAtNs) / 1e6,
            double(dialogs.peakAtNameBox - residentBefore),
            double(statusBytes("VmHWM") - residentBefore)};
}

// The same file's bytes read once, the reference of every ratio of time.
double rawReadMs(const QString& path)
{
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
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

Run median(std::vector<Run> runs)
{
    const auto middle = [&runs](double Run::*field) {
        std::sort(runs.begin(), runs.end(),
                  [field](const Run& a, const Run& b) { return a.*field < b.*field; });
        return runs[runs.size() / 2].*field;
    };
    Run m;
    m.nameBoxMs = middle(&Run::nameBoxMs);
    m.firstQuestionMs = middle(&Run::firstQuestionMs);
    m.nameBoxGrowth = middle(&Run::nameBoxGrowth);
    m.firstQuestionGrowth = middle(&Run::firstQuestionGrowth);
    return m;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const QString questionTable = QStringLiteral(ZAMBREL_GAME_DIR "/TULIP.DBF");
    const QDate today = FakeClock().current.date();
    QTemporaryDir scratch;
    const QString rawCopy = scratch.filePath("tulip.lst");
    std::printf("New game with %d players in tulip.lst, median of %d runs\n", PlayerCount, Runs);
    for (const int stalePerThirty : {0, 1}) {
        double fileBytes = 0;
        double rawMs = 0;
        std::vector<Run> runs;
        {
            const QByteArray content = resultsFile(today, stalePerThirty);
            fileBytes = double(content.size());
            writeFile(rawCopy, content);
            rawMs = rawReadMs(rawCopy);
            for (int run = 0; run < Runs; ++run)
                runs.push_back(newGame(content, questionTable, PlayerCount / 2 + 1));
        }
        const Run m = median(runs);
        std::printf(
            "%s: file %.1f MB, raw read %.1f ms\n"
            "  F2 to the name box %.0f ms: %.2f of the 2 s budget, %.1f raw reads; "
            "memory growth %.1f MB: %.2f of the file's size\n"
            "  name box to the first question %.0f ms: %.1f raw reads; "
            "memory growth by then %.1f MB: %.2f of the file's size\n",
            stalePerThirty ? "one in thirty stale" : "nobody stale", fileBytes / 1e6, rawMs,
            m.nameBoxMs, m.nameBoxMs / NameBoxBudgetMs, m.nameBoxMs / rawMs,
            m.nameBoxGrowth / 1e6, m.nameBoxGrowth / fileBytes, m.firstQuestionMs,
            m.firstQuestionMs / rawMs, m.firstQuestionGrowth / 1e6,
            m.firstQuestionGrowth / fileBytes);
    }
    return 0;
}
