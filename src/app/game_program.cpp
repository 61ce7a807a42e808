#include "app/game_program.h"

#include "app/main_window.h"
#include "app/pictures.h"
#include "storage/settings_store.h"
#include "platform/clock_seeded_random.h"
#include "platform/desktop_shell.h"
#include "platform/event_loop_waiter.h"
#include "platform/linux_system_facts.h"
#include "platform/qt_sound_player.h"
#include "platform/services.h"
#include "platform/system_clock.h"
#include "platform/x11_display.h"
#include "platform/x11_keyboard_layout.h"
#include "windows/balloon_tool_tips.h"
#include "windows/program_version.h"
#include "windows/qt_dialogs.h"
#include "windows/splash_window.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>

namespace {

QString withSlash(const QString& folder) { return folder.endsWith(u'/') ? folder : folder + u'/'; }

Paths gamePaths()
{
    const QString config =
        withSlash(qEnvironmentVariable("XDG_CONFIG_HOME", QDir::homePath() + QStringLiteral("/.config"))) +
        QStringLiteral("ZeZoza/");
    return Paths{withSlash(QCoreApplication::applicationDirPath()),
                 config + QStringLiteral("Zambrel.ini"), config, withSlash(QDir::tempPath())};
}

} // namespace

int runGame(QApplication& app, const std::function<void(MainWindow&)>& shown)
{
    const QIcon icon(renderPicture(QStringLiteral("icon")));
    QApplication::setWindowIcon(icon);
    const SystemFacts facts = readLinuxSystemFacts();
    ShowSplash(icon, QStringLiteral("Добро пожаловать"), facts, programVersion());
    QApplication::setApplicationName(QStringLiteral("Zambrel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zambrel"));
    installBalloonToolTips(app);

    EventLoopWaiter waiter;
    QtSoundPlayer sound;
    QtDialogs dialogs;
    DesktopShell shell;
    SystemClock clock;
    ClockSeededRandom random;
    X11KeyboardLayout keyboard;
    X11Display display;
    Services services{waiter, sound, dialogs, shell, clock, random, keyboard, display, facts, gamePaths()};
    QDir().mkpath(services.paths.windowsFolder);
    SettingsStore settings(services.paths.settingsFile);

    MainWindow form(services, settings);
    QObject::connect(&form, &MainWindow::terminated, &app, &QApplication::quit, Qt::QueuedConnection);
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
