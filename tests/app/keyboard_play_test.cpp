// A game played from the keyboard: 1-4 or A-D answer, in either layout, and
// Space or P pauses; a key obeys the rules a click obeys.
#include "game_window_fixture.h"

#include "platform/game_timer.h"

#include <QAction>
#include <QTest>
#include <QTimer>

namespace {

class KeyboardPlayTest : public GameWindowTest {
protected:
    void SetUp() override
    {
        GameWindowTest::SetUp();
        knownPlayer(QStringLiteral("Вася"), 1000, 4);
        m_form->NewGame();
        QApplication::setActiveWindow(m_form.get());
        ASSERT_EQ(state().Level, 1);
    }
    int answersJudged() const { return static_cast<int>(m_fakes.sound.played.count("btnclick.wav")); }
    // The window manager gives the main window the keyboard back after each
    // message window.
    void press(Qt::Key key)
    {
        QApplication::setActiveWindow(m_form.get());
        QTest::keyClick(m_form.get(), key);
    }
};

TEST_F(KeyboardPlayTest, DigitsAndLatinLettersAnswerAsTheButtonsDo)
{
    press(Qt::Key(Qt::Key_1 + state().RightAnswer - 1));
    ASSERT_EQ(state().Level, 2);
    press(Qt::Key(Qt::Key_A + state().RightAnswer - 1));
    ASSERT_EQ(state().Level, 3);
    press(Qt::Key(Qt::Key_A + state().RightAnswer % 4));
    EXPECT_EQ(state().Level, 0);
    EXPECT_EQ(answersJudged(), 3);
}

// In the Russian layout Qt's X11 keyboard matches a key by its Cyrillic
// letter and by the Latin letter it stands on: a key bound by both would be
// ambiguous and do nothing. The end-to-end suite presses them for real.
TEST_F(KeyboardPlayTest, EveryKeyOfPlayIsBoundOnceSoTheRussianLayoutFindsItUnambiguous)
{
    std::vector<QAction*> keys(m_form->answerKeys.begin(), m_form->answerKeys.end());
    keys.push_back(m_form->pauseKey);
    for (QAction* key : keys)
        for (const QKeySequence& sequence : key->shortcuts()) {
            const QString text = sequence.toString();
            EXPECT_FALSE(std::any_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; }))
                << qPrintable(key->objectName()) << " " << qPrintable(text);
        }
}

TEST_F(KeyboardPlayTest, SpaceOrPPausesAfterTheAnswerAndResumes)
{
    press(Qt::Key_Space);
    EXPECT_TRUE(state().Paused);
    press(Qt::Key_P);
    EXPECT_FALSE(state().Paused);
}

TEST_F(KeyboardPlayTest, NoKeyAnswersOutsideAGame)
{
    answerWrong();
    ASSERT_EQ(state().Level, 0);
    const int judged = answersJudged();
    for (Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_C, Qt::Key_D})
        press(key);
    EXPECT_EQ(answersJudged(), judged);
}

TEST_F(KeyboardPlayTest, AKeyPressedWhileTheVerdictWaitsDoesNotAnswerTheNextQuestion)
{
    bool pressedAgain = false;
    m_fakes.waiter.onWait = [&](int) {
        if (std::exchange(pressedAgain, true))
            return;
        // Reaches the window when the game stops waiting, as held keys do.
        QTimer::singleShot(0, m_form.get(), [this] { press(Qt::Key(Qt::Key_1 + state().RightAnswer - 1)); });
    };
    press(Qt::Key(Qt::Key_1 + state().RightAnswer - 1));
    QCoreApplication::processEvents();
    ASSERT_TRUE(pressedAgain);
    EXPECT_EQ(answersJudged(), 1);
    EXPECT_EQ(state().Level, 2);
}

} // namespace
