// Plays a game on a real screen and saves what the player sees at its
// moments: the question, a praise message on the score board, the
// milestone message, the money window and the end of the game. The boxes
// are answered by script and the right answer is clicked with the mouse.
// Run by scripts/tour.sh under a virtual X screen.
#include "adverts/advert_window.h"
#include "app/game_program.h"
#include "app/main_window.h"
#include "app/pictures.h"
#include "storage/settings_store.h"
#include "controls/grad_button.h"
#include "lifelines/alpha_panel.h"
#include "lifelines/phone_dialog.h"
#include "platform/clock_seeded_random.h"
#include "platform/event_loop_waiter.h"
#include "platform/system_clock.h"
#include "platform/x11_display.h"
#include "platform/x11_keyboard_layout.h"
#include "support/fake_services.h"
#include "windows/message_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

QString outFolder;
int shotCount = 0;

void shoot(const QString& name)
{
    QApplication::processEvents();
    const QString path = QStringLiteral("%1/%2-%3.png").arg(outFolder).arg(++shotCount, 2, 10, QChar(u'0')).arg(name);
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    std::printf("%s\n", qPrintable(path));
}

MessageWindow* visibleMessage()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* message = dynamic_cast<MessageWindow*>(window); message && message->isVisible())
            return message;
    return nullptr;
}

// Waits for real, but briefly, and takes a picture at the moments worth one.
class TourWaiter : public Waiter {
public:
    MainWindow* form = nullptr;
    void wait(int milliseconds) override
    {
        m_real.wait(std::min(milliseconds, 300));
        if (milliseconds == 50) {
            if (++m_notes == 12)
                shoot(QStringLiteral("money-window"));
            return;
        }
        m_notes = 0;
        if (const MessageWindow* message = visibleMessage(); message && message->text() != m_lastMessage) {
            m_lastMessage = message->text();
            shoot(QStringLiteral("message"));
        } else if (form && form->scoreBoard->isVisible() && form->scoreBoard->caption() != m_lastBoard) {
            m_lastBoard = form->scoreBoard->caption();
            shoot(QStringLiteral("score-board"));
        }
    }

    bool skippableWait(int milliseconds) override
    {
        wait(milliseconds);
        return false;
    }

private:
    EventLoopWaiter m_real;
    int m_notes = 0;
    QString m_lastMessage;
    QString m_lastBoard;
};

// Takes a picture of every advertisement break and ends it.
class BreakWatch {
public:
    BreakWatch()
    {
        m_poll.setInterval(200);
        QObject::connect(&m_poll, &QTimer::timeout, [] {
            if (auto* advert = qobject_cast<AdvertWindow*>(QApplication::activeModalWidget())) {
                shoot(QStringLiteral("advert"));
                advert->okButton->click();
            }
        });
        m_poll.start();
    }

private:
    QTimer m_poll;
};

// Fifty-fifty, then the poll turning over two shots, then the call before
// and after the number is dialled; the player hangs up.
void useTheLifelines(MainWindow& form)
{
    form.fiftyFiftyAction->trigger();
    form.pollAction->trigger();
    QTest::qWait(300);
    shoot(QStringLiteral("poll"));
    QTest::qWait(1500);
    shoot(QStringLiteral("poll-turned"));
    QTimer::singleShot(500, &form, [&form] {
        PhoneDialog& dialog = *form.phoneDialog;
        shoot(QStringLiteral("phone-dialling"));
        QTest::keyClicks(dialog.keypad, dialog.prompt->text().right(6));
        QTest::qWait(300);
        shoot(QStringLiteral("phone-connected"));
        dialog.hangUp();
    });
    form.phoneAction->trigger();
    QTest::qWait(300);
}

} // namespace

int main(int argc, char* argv[])
{
    magnifySceneToScreen();
    QApplication app(argc, argv);
    outFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("tour");
    QDir().mkpath(outFolder);
    const QString shipped = QCoreApplication::applicationDirPath() + QStringLiteral("/../../");

    QTemporaryDir home;
    FakeServices fakes(home.path());
    QDir().mkpath(fakes.services.paths.dataFolder);
    QDir().mkpath(fakes.services.paths.windowsFolder);
    for (const QString& file : {QStringLiteral("TULIP.DBF"), QStringLiteral("tulip.dat")})
        QFile::copy(shipped + file, fakes.services.paths.dataFolder + file);
    QApplication::setWindowIcon(QIcon(renderPicture(QStringLiteral("icon"))));

    TourWaiter waiter;
    SystemClock clock;
    ClockSeededRandom random;
    X11Display display;
    Services services{waiter, fakes.sound, fakes.dialogs, fakes.shell, clock, random,
                      fakes.keyboard, display, fakes.services.facts, fakes.services.paths};
    fakes.sound.playable = false;
    fakes.dialogs.inputAnswers = {QStringLiteral("Вася"), QStringLiteral("Москва")};
    SettingsStore settings(services.paths.settingsFile);
    // The second answer brings an advertisement break.
    settings.WriteSettingInt(SettingsSection, QStringLiteral("Реклама"), 12);
    const BreakWatch breaks;

    MainWindow form(services, settings);
    waiter.form = &form;
    form.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    form.show();
    QTest::qWait(500);
    shoot(QStringLiteral("idle"));

    form.newGameAction->trigger();
    QTest::qWait(300);
    shoot(QStringLiteral("question"));
    useTheLifelines(form);
    while (form.state().Level >= 1 && form.state().Level <= 6) {
        TGradButton* right = form.answerButtons.at(form.state().RightAnswer - 1);
        QTest::mouseClick(right, Qt::LeftButton);
        QTest::qWait(200);
        if (form.state().Level == 6) {
            shoot(QStringLiteral("question-level-6"));
            QTest::mouseClick(form.answerButtons.at(form.state().RightAnswer % 4), Qt::LeftButton);
        }
    }
    QTest::qWait(300);
    shoot(QStringLiteral("after-game"));
    return 0;
}
