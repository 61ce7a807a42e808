// A copy of the game for the test of several copies sharing one question
// table: the real main window on fake services, with the question table in
// a data folder given to it and settings of its own. Each line "play" on
// its standard input sets up the questions of levels 1 to 15 in turn, as a
// game climbing the ladder does, and answers with one line per set-up,
//   setup <level> <record> <right answer> <answers A to D as stored, in hex>
// one line "box <text>" per box the player was shown, and "done".
// It ends at the end of its input, and by its alarm when nobody ends it.
#include "app/main_window.h"
#include "storage/settings_store.h"
#include "support/fake_services.h"

#include <QApplication>

#include <iostream>
#include <string>

#include <unistd.h>

namespace {

// Far beyond any run of the test; an orphaned player still goes away.
constexpr unsigned LifetimeSeconds = 300;

void reportSetUp(const MainWindow& window, const SettingsStore& settings, int level)
{
    const GameState& state = window.state();
    std::cout << "setup " << level << ' '
              << settings.ReadSettingInt(SettingsSection, QStringLiteral("Rec%1").arg(level), 0)
              << ' ' << state.RightAnswer;
    for (const QByteArray& answer : state.Answers)
        std::cout << ' ' << (answer.isEmpty() ? QByteArray("-") : answer.toHex()).constData();
    std::cout << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    ::alarm(LifetimeSeconds);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 4) {
        std::cerr << "usage: question_setup_player DATA_FOLDER SETTINGS_FILE WORK_FOLDER\n";
        return 2;
    }
    FakeServices fakes(QString::fromLocal8Bit(argv[3]));
    // The folder of the question table both copies play on.
    fakes.services.paths.dataFolder = QString::fromLocal8Bit(argv[1]);
    fakes.services.paths.settingsFile = QString::fromLocal8Bit(argv[2]);
    SettingsStore settings(fakes.services.paths.settingsFile);
    MainWindow window(fakes.services, settings);
    window.show();

    qsizetype boxesReported = 0;
    for (std::string command; std::getline(std::cin, command);) {
        if (command != "play")
            return 2;
        for (int level = 1; level <= 15; ++level) {
            window.SetGame(level);
            reportSetUp(window, settings, level);
        }
        for (; boxesReported < fakes.dialogs.shown.size(); ++boxesReported)
            std::cout << "box " << fakes.dialogs.shown[boxesReported].toStdString() << '\n';
        std::cout << "done" << std::endl;
    }
    return 0;
}
