// The main window on the screen it finds: the switch of a narrow screen, the
// windows that stand over it, and the end of the program.
#include "game_window_fixture.h"

#include "app/game_program.h"
#include "app/ladder_bar.h"
#include "controls/grad_button.h"
#include "controls/progress_bar.h"
#include "support/modal_answer.h"
#include "windows/qt_dialogs.h"
#include "windows/splash_window.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QToolButton>
#include <QWindow>

namespace {

constexpr int DeadlineMs = 3000;

QWidget* visibleSplash()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QStringLiteral("EFD_Splash") && window->isVisible())
            return window;
    return nullptr;
}

// The main window with real message boxes in place of the scripted ones.
struct RealBoxes {
    explicit RealBoxes(FakeServices& fakes)
        : services{fakes.waiter, fakes.sound, dialogs, fakes.shell, fakes.clock, fakes.random,
                   fakes.keyboard, fakes.display, fakes.services.facts, fakes.services.paths}
    {
    }
    QtDialogs dialogs;
    Services services;
};

} // namespace

TEST_F(GameWindowTest, ANarrowScreenSwitchedAtStartHasItsPicturesCentredForTheNewWidth)
{
    m_fakes.display.size = QSize(640, 480);
    startProgram();
    EXPECT_EQ(m_form->picture->pos(), QPoint((800 - 130) / 2, 55));
    EXPECT_TRUE(m_fakes.dialogs.shown.isEmpty());
    m_form->exitGame();
    EXPECT_EQ(m_fakes.display.size, QSize(640, 480));
}

TEST_F(GameWindowTest, TheStartUpWarningIsNeverHiddenUnderTheSplash)
{
    m_fakes.display.size = QSize(640, 480);
    m_fakes.display.allowChanges = false;
    RealBoxes boxes(m_fakes);
    QString warning;
    bool splashUp = true;
    const ModalAnswer answer(
        QStringLiteral("the start-up warning"),
        [&](QWidget& box) {
            warning = static_cast<QMessageBox&>(box).text();
            splashUp = visibleSplash() != nullptr;
            static_cast<QMessageBox&>(box).accept();
        },
        std::chrono::milliseconds(DeadlineMs));
    ShowSplash(QIcon(), QStringLiteral("Добро пожаловать"), m_fakes.services.facts, VersionInfo{});
    const MainWindow form(boxes.services, m_settings);
    CloseSplash();
    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(warning, QStringLiteral("Внимание: \nПрограмма расчитана для работы с экраном 800x600!"));
    EXPECT_FALSE(splashUp);
}

// A window wider than the scene shows it across its middle, every control in
// its place on it; an 800-wide window is the scene from edge to edge.
TEST_F(GameWindowTest, TheSceneLiesAcrossTheMiddleOfAWideWindow)
{
    const QWidget* client = m_form->centralWidget();
    m_form->resize(1067, 600);
    QTRY_COMPARE_WITH_TIMEOUT(client->width(), 1067, DeadlineMs);
    const int left = (1067 - 800) / 2;
    EXPECT_EQ(m_form->scene->geometry(), QRect(left, 0, 800, client->height()));
    EXPECT_EQ(m_form->answerButtons[3]->mapTo(client, QPoint(0, 0)), QPoint(left + 399, 485));
    EXPECT_EQ(m_form->ladder->mapTo(client, QPoint(0, 0)), QPoint(left + 591, 44));
    EXPECT_EQ(m_form->pollButton->mapTo(client, QPoint(0, 0)).x(), left + 728);
    EXPECT_EQ(m_form->thinkingBar->geometry(), QRect(0, client->height() - 18, 800, 18));

    m_form->resize(800, 600);
    QTRY_COMPARE_WITH_TIMEOUT(client->width(), 800, DeadlineMs);
    EXPECT_EQ(m_form->scene->geometry(), client->rect());
}

// Asked from the main window, the about box stays above it: a click on the
// main window meanwhile cannot bring that window over the box.
TEST_F(GameWindowTest, TheAboutBoxStandsModalOverTheMainWindowWithoutAFrame)
{
    m_form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
    const QWindow* owner = nullptr;
    bool modal = false;
    bool frameless = false;
    m_fakes.waiter.onWait = [&](int) {
        if (QWidget* box = visibleSplash()) {
            owner = box->windowHandle()->transientParent();
            modal = box->isModal();
            frameless = box->windowFlags().testFlag(Qt::FramelessWindowHint);
        }
    };
    m_form->showAbout();
    EXPECT_EQ(owner, m_form->windowHandle());
    EXPECT_TRUE(modal);
    EXPECT_TRUE(frameless);
    EXPECT_EQ(visibleSplash(), nullptr);
}

// The yes/no box takes no Escape and no close; the idle exit ends the
// program all the same, and the box with it.
TEST_F(GameWindowTest, TheIdleExitEndsTheProgramWhileAYesNoBoxIsOpen)
{
    endProgramWith(*m_form);
    QtDialogs dialogs;
    QObject scope;  // nothing of this test outlives it
    bool again = true;
    QTimer::singleShot(0, &scope, [&] { again = dialogs.askYesNo(QStringLiteral("Сыграем еще?")); });
    const ModalAnswer idle(QStringLiteral("the question to play again"),
                           [this](QWidget&) { m_form->idleAndPollTick(); },
                           std::chrono::milliseconds(DeadlineMs));
    constexpr int StillRunning = 1;
    QTimer::singleShot(DeadlineMs + 500, &scope, [] { QCoreApplication::exit(StillRunning); });

    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_TRUE(idle.answered());
    EXPECT_FALSE(again);
}
