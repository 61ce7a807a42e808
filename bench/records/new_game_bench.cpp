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
#include "big_results_file.h"
#include "storage/settings_store.h"
#include "support/fake_services.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr double NameBoxBudgetMs = 2000;
constexpr int Runs = 3;

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

// One New game in a fresh data folder holding the question table and the
// results file, where the game looks for them.
Run newGame(const QByteArray& content, const QString& questionTable, int player)
{
    QTemporaryDir dir;
    const Paths paths = FakeServices::paths(dir.path());
    QDir().mkpath(paths.dataFolder);
    QDir().mkpath(paths.windowsFolder);
    if (!QFile::copy(questionTable, paths.dataFolder + "TULIP.DBF"))
        qFatal("cannot copy %s", qPrintable(questionTable));
    writeFile(paths.dataFolder + "tulip.lst", content);

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
            rawMs = rawReadMs(rawCopy, Runs);
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
