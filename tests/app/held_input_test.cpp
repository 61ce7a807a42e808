// What the player does while the game waits: clicks held back by a verdict
// answer nothing, and a click or a key cuts the banknote shower short.
#include "game_window_fixture.h"

#include "app/game_rules.h"
#include "app/prize_ladder.h"
#include "platform/game_timer.h"

#include <QAction>
#include <QFrame>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

namespace {

// A click that reaches the button only once the game stops waiting, as the
// window system delivers input held back by a wait.
void clickAfterTheWait(QWidget* button)
{
    const QPointF inside(button->width() / 2.0, button->height() / 2.0);
    const QPointF global = button->mapToGlobal(inside);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(button, new QMouseEvent(type, inside, global, Qt::LeftButton,
                                                            type == QEvent::MouseButtonPress
                                                                ? Qt::LeftButton
                                                                : Qt::NoButton,
                                                            Qt::NoModifier));
}

class HeldInputTest : public GameWindowTest {
protected:
    void SetUp() override
    {
        GameWindowTest::SetUp();
        m_form->resize(800, 600);
        knownPlayer(QStringLiteral("Вася"), 5000, 3);
        m_form->newGameAction->trigger();
    }
    int answersJudged() const { return static_cast<int>(m_fakes.sound.played.count("btnclick.wav")); }
};

TEST_F(HeldInputTest, TheSecondClickOfADoubleClickDoesNotAnswerTheNextQuestion)
{
    TGradButton* button = m_form->answerButtons[state().RightAnswer - 1];
    bool clickedAgain = false;
    m_fakes.waiter.onWait = [&](int) {
        if (!std::exchange(clickedAgain, true))
            clickAfterTheWait(button);
    };
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();  // back in the event loop

    ASSERT_TRUE(clickedAgain);
    EXPECT_EQ(answersJudged(), 1);
    EXPECT_EQ(state().Level, 2);
    EXPECT_TRUE(m_form->thinkingTimer->isEnabled());
    EXPECT_TRUE(m_form->answerButtons[0]->isVisible());
}

TEST_F(HeldInputTest, AClickAfterTheVerdictAnswersTheNextQuestion)
{
    QTest::mouseClick(m_form->answerButtons[state().RightAnswer - 1], Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_EQ(state().Level, 2);
    clickAfterTheWait(m_form->answerButtons[state().RightAnswer - 1]);
    QCoreApplication::processEvents();
    EXPECT_EQ(answersJudged(), 2);
    EXPECT_EQ(state().Level, 3);
}

TEST_F(HeldInputTest, OtherInputHeldByTheWaitIsStillDelivered)
{
    bool pressed = false;
    m_fakes.waiter.onWait = [&](int) {
        if (!std::exchange(pressed, true))
            clickAfterTheWait(m_form->pauseButton);
    };
    QTest::mouseClick(m_form->answerButtons[state().RightAnswer - 1], Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(state().Paused);
}

TEST_F(HeldInputTest, ALifelineClickedWhileTheVerdictWaitsIsNotSpentOnTheNextQuestionUnseen)
{
    bool clicked = false;
    m_fakes.waiter.onWait = [&](int) {
        if (!std::exchange(clicked, true)) {
            clickAfterTheWait(m_form->fiftyFiftyButton);
            clickAfterTheWait(m_form->pollButton);
        }
    };
    QTest::mouseClick(m_form->answerButtons[state().RightAnswer - 1], Qt::LeftButton);
    QCoreApplication::processEvents();

    ASSERT_EQ(state().Level, 2);
    EXPECT_TRUE(m_form->fiftyFiftyButton->isEnabled());
    EXPECT_TRUE(m_form->pollButton->isEnabled());
    for (const TGradButton* answer : m_form->answerButtons)
        EXPECT_FALSE(answer->caption().isEmpty());
    EXPECT_FALSE(m_form->pollPanel->isVisible());
}

TEST_F(HeldInputTest, AClickEndsTheBanknoteShowerAndTheIdleExitCountsFromItsEnd)
{
    climbTo(12);
    m_fakes.waiter.waits.clear();  // the milestones' showers
    m_fakes.sound.played.clear();
    const int balanceBooked = bookedBalance(5000, PrizeLadder[11], 4);
    int notes = 0;
    bool idleExitRanDuringTheShower = false;
    m_fakes.waiter.onWait = [&](int ms) {
        if (ms == 50)
            idleExitRanDuringTheShower |= m_form->idleAndPollTimer->isEnabled();
    };
    m_fakes.waiter.playerSkips = [&notes] { return ++notes == 10; };
    m_form->takeMoneyAction->trigger();

    EXPECT_EQ(waitsOf(50), 10);  // nine notes fell, the tenth was clicked away
    EXPECT_FALSE(idleExitRanDuringTheShower);
    EXPECT_TRUE(m_form->idleAndPollTimer->isEnabled());
    EXPECT_EQ(m_form->idleAndPollTimer->interval(), 300000);
    EXPECT_EQ(state().Balance, balanceBooked);
    EXPECT_EQ(IniReadInt(results(), "Вася", "Состояние", 0), balanceBooked);
    EXPECT_TRUE(m_fakes.dialogs.shown.last().startsWith("ask: Вася! Cыграем еще?"));
    EXPECT_FALSE(m_fakes.sound.played.contains("true.wav to end"));
}

TEST_F(HeldInputTest, TheMillionsShowerRainsToTheEndUnlessCutShort)
{
    m_fakes.waiter.playerSkips = [] { return false; };
    climbTo(0);
    const int allNotes = waitsOf(50);
    EXPECT_GT(allNotes, 4000);
    EXPECT_TRUE(m_fakes.sound.played.contains("true.wav to end"));
    EXPECT_TRUE(m_form->idleAndPollTimer->isEnabled());
}

} // namespace
