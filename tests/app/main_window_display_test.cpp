// The main window on the screen it finds: the switch of a narrow screen, the
// windows that stand over it, and the end of the program.
#include "game_window_fixture.h"

#include "app/game_program.h"
#include "support/modal_box_answer.h"
#include "windows/qt_dialogs.h"

#include <QElapsedTimer>

namespace {

constexpr int DeadlineMs = 3000;

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

// The yes/no box takes no Escape and no close; the idle exit ends the
// program all the same, and the box with it.
TEST_F(GameWindowTest, TheIdleExitEndsTheProgramWhileAYesNoBoxIsOpen)
{
    endProgramWith(*m_form);
    QtDialogs dialogs;
    QObject scope;  // nothing of this test outlives it
    bool again = true;
    QTimer::singleShot(0, &scope, [&] { again = dialogs.askYesNo(QStringLiteral("Сыграем еще?")); });
    const ModalBoxAnswer idle([this](QWidget&) { m_form->idleAndPollTick(); }, DeadlineMs);
    constexpr int StillRunning = 1;
    QTimer::singleShot(DeadlineMs + 500, &scope, [] { QCoreApplication::exit(StillRunning); });

    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_TRUE(idle.answered());
    EXPECT_FALSE(again);
}
