#include "app/game_program.h"

#include "app/main_window.h"
#include "app/pictures.h"
#include "app/scene_scale.h"
#include "storage/app_error.h"
#include "storage/game_folders.h"
#include "storage/settings_store.h"
#include "platform/clock_seeded_random.h"
#include "platform/desktop_shell.h"
#include "platform/event_loop_waiter.h"
#include "platform/home_folder.h"
#include "platform/linux_system_facts.h"
#include "platform/qt_sound_player.h"
#include "platform/services.h"
#include "platform/system_clock.h"
#include "platform/x11_display.h"
#include "platform/x11_keyboard_layout.h"
#include "platform/x11_monitor_probe.h"
#include "windows/balloon_tool_tips.h"
#include "windows/program_version.h"
#include "windows/qt_dialogs.h"
#include "windows/splash_window.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>

#include <cstdlib>
#include <optional>

namespace {

QString withSlash(const QString& folder) { return folder.endsWith(u'/') ? folder : folder + u'/'; }

// Nothing when the player's files have no place to be written: he has been
// told so, and the game does not start.
std::optional<Paths> gamePaths()
{
    const ProgramFolder program =
        locateProgramFolder(QCoreApplication::applicationDirPath(), QStringLiteral(ZAMBREL_INSTALLED_DATA));
    QString data;
    try {
        data = preparePlayerDataFolder(program, withSlash(userDataFolder()) + QStringLiteral("zambrel/"));
    } catch (const AppError& error) {
        QtDialogs().error(error.text());
        return std::nullopt;
    }
    const QString config = withSlash(userConfigFolder()) + QStringLiteral("ZeZoza/");
    return Paths{program.folder, data, config + QStringLiteral("Zambrel.ini"), config,
                 withSlash(QDir::tempPath())};
}

} // namespace

void magnifySceneToScreen()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return;
    const std::optional<PrimaryMonitor> monitor = probePrimaryMonitor();
    if (!monitor)
        return;
    const QString global = qEnvironmentVariable("QT_SCALE_FACTOR");
    const double preset = presetScale(global, qEnvironmentVariable("QT_SCREEN_SCALE_FACTORS"), monitor->output);
    if (const std::optional<double> factor = magnifiedGlobalFactor(monitor->pixels, global, preset))
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*factor, 'g', 10));
}

void nameProgram()
{
    // The name only: a display name would be added to every window's caption.
    QApplication::setApplicationName(QStringLiteral("Zambrel"));
    // The desktop finds the game's menu entry and icon by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("ru.zezoza.zambrel"));
}

void endProgramWith(MainWindow& form)
{
    // Not quit(): that asks every window to close first, and gives up when
    // a box that takes only its answer refuses.
    QObject::connect(&form, &MainWindow::terminated, qApp, [] { QCoreApplication::exit(0); },
                     Qt::QueuedConnection);
}

int runGame(QApplication& app, const std::function<void(MainWindow&)>& shown)
{
    const QIcon icon(renderPicture(QStringLiteral("icon")));
    QApplication::setWindowIcon(icon);
    const std::optional<Paths> paths = gamePaths();
    if (!paths)
        return EXIT_FAILURE;
    const SystemFacts facts = readLinuxSystemFacts();
    ShowSplash(icon, QStringLiteral("Добро пожаловать"), facts, programVersion());
    nameProgram();
    installBalloonToolTips(app);

    EventLoopWaiter waiter;
    QtSoundPlayer sound;
    QtDialogs dialogs;
    DesktopShell shell;
    SystemClock clock;
    ClockSeededRandom random;
    X11KeyboardLayout keyboard;
    X11Display display;
    Services services{waiter, sound, dialogs, shell, clock, random, keyboard, display, facts, *paths};
    QDir().mkpath(services.paths.windowsFolder);
    SettingsStore settings(services.paths.settingsFile);

    MainWindow form(services, settings);
    endProgramWith(form);
    // A screen switched at start reaches Qt's screen only after a while.
    const QScreen* screen = QGuiApplication::primaryScreen();
    form.setGeometry(screen->availableGeometry());
    QObject::connect(screen, &QScreen::availableGeometryChanged, &form,
                     qOverload<const QRect&>(&QWidget::setGeometry));
    form.show();
    CloseSplash();
    if (shown)
        shown(form);
    return QApplication::exec();
}
