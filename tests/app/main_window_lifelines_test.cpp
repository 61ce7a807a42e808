// The three lifelines in a game: each helps with the question on show,
// once per game, from the menu and from the command bar alike.
#include "game_window_fixture.h"

#include "controls/progress_bar.h"
#include "lifelines/alpha_panel.h"
#include "lifelines/phone_dialog.h"
#include "lifelines/poll_pie.h"
#include "platform/game_timer.h"
#include "support/modal_answer.h"

#include <QAbstractButton>
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QToolButton>

namespace {

class LifelinesTest : public GameWindowTest {
protected:
    void SetUp() override
    {
        GameWindowTest::SetUp();
        knownPlayer(QStringLiteral("Вася"), 1000, 4);
        m_form->NewGame();
        ASSERT_EQ(state().Level, 1);
    }

    QStringList captions() const
    {
        QStringList shown;
        for (const TGradButton* button : m_form->answerButtons)
            shown.append(button->caption());
        return shown;
    }
    int blankCaptions() const { return static_cast<int>(captions().count(QString())); }
    // Draws 1, 2, 3 and 4 in turn: enough for fifty-fifty whatever the right answer.
    void scriptEachAnswerOnce() { m_fakes.random.draws = {0, 1, 2, 3}; }

    // Dials what the dialog asks for, or lets the countdown run out, and
    // notes what the call looked like.
    void callAndThen(bool dial)
    {
        const ModalAnswer phone(QStringLiteral("the phone call"), [&](QWidget& box) {
            auto& dialog = dynamic_cast<PhoneDialog&>(box);
            m_timerRanDuringCall = m_form->thinkingTimer->isEnabled();
            m_barDuringCall = m_form->thinkingBar->position();
            m_number = dialog.prompt->text().section(u'\n', -1);
            if (dial)
                for (QChar key : m_number.right(6))
                    QTest::mouseClick(dialog.keypad->FindButton(key), Qt::LeftButton);
            m_reply = dialog.prompt->text();
            for (int second = 0; second < PhoneDialog::CallSeconds; ++second)
                dialog.countdownTick();
        });
        m_form->phoneAction->trigger();
        EXPECT_TRUE(phone.answered());
    }

    bool m_timerRanDuringCall = true;
    int m_barDuringCall = -1;
    QString m_number;
    QString m_reply;
};

TEST_F(LifelinesTest, FiftyFiftyBlanksTwoWrongAnswersAndIsUsedUpOnMenuAndBar)
{
    const int right = state().RightAnswer;
    const QString rightCaption = captions().at(right - 1);
    scriptEachAnswerOnce();
    m_form->fiftyFiftyAction->trigger();
    EXPECT_EQ(blankCaptions(), 2);
    EXPECT_EQ(captions().at(right - 1), rightCaption);
    EXPECT_FALSE(m_form->fiftyFiftyAction->isEnabled());
    EXPECT_FALSE(m_form->fiftyFiftyButton->isEnabled());
    EXPECT_EQ(m_fakes.sound.played.last(), "btnclick.wav");
    EXPECT_TRUE(m_form->thinkingTimer->isEnabled());

    // A blanked answer still answers, wrongly.
    const int blank = static_cast<int>(captions().indexOf(QString())) + 1;
    m_form->answer(blank);
    EXPECT_EQ(state().Level, 0);
}

TEST_F(LifelinesTest, TheNextQuestionShowsAllFourAnswersAndTheNextGameHasFiftyFiftyAgain)
{
    scriptEachAnswerOnce();
    m_form->fiftyFiftyButton->click();
    EXPECT_EQ(blankCaptions(), 2);
    EXPECT_FALSE(m_form->fiftyFiftyAction->isEnabled());
    answerRight();
    ASSERT_EQ(state().Level, 2);
    EXPECT_EQ(blankCaptions(), 0);
    answerWrong();
    m_form->NewGame();
    EXPECT_TRUE(m_form->fiftyFiftyAction->isEnabled());
    EXPECT_TRUE(m_form->fiftyFiftyButton->isEnabled());
}

TEST_F(LifelinesTest, ThePollShowsFourSlicesOfFiftyVotesCentredOnTheSceneAndTurns)
{
    m_form->pollAction->trigger();
    ASSERT_TRUE(m_form->pollPanel->isVisible());
    EXPECT_EQ(m_form->pollPanel->geometry(), QRect((800 - 268) / 2, 55, 268, 218));
    EXPECT_FALSE(m_form->pollAction->isEnabled());
    EXPECT_FALSE(m_form->pollButton->isEnabled());
    EXPECT_EQ(m_fakes.sound.played.last(), "btnCLICK.wav");
    EXPECT_TRUE(m_form->idleAndPollTimer->isEnabled());
    EXPECT_EQ(m_form->idleAndPollTimer->interval(), 300);
    // The scripted draws all come out 0: every vote for the right answer.
    QStringList marks{"A 0 %", "B 0 %", "C 0 %", "D 0 %"};
    marks[state().RightAnswer - 1].replace("0 %", "100 %");
    EXPECT_EQ(m_form->pollPie->markTexts(), marks);

    const int before = m_form->pollPie->rotation();
    m_form->idleAndPollTick();
    EXPECT_EQ(m_form->pollPie->rotation(), (before + 5) % 360);
    EXPECT_EQ(state().Level, 1);
}

TEST_F(LifelinesTest, AfterFiftyFiftyThePollShowsOnlyTheTwoAnswersLeft)
{
    scriptEachAnswerOnce();
    m_form->fiftyFiftyAction->trigger();
    const QStringList left = captions();
    m_form->pollAction->trigger();
    QStringList marks;
    for (int i = 0; i < 4; ++i)
        if (!left[i].isEmpty())
            marks.append(QString(QChar(u'A' + i)) + (i + 1 == state().RightAnswer ? " 100 %" : " 0 %"));
    EXPECT_EQ(m_form->pollPie->markTexts(), marks);
}

TEST_F(LifelinesTest, AnAnswerHidesThePollAndStopsItsTurningWhileTheOtherLifelinesOnlyHideIt)
{
    m_form->pollAction->trigger();
    scriptEachAnswerOnce();
    m_form->fiftyFiftyAction->trigger();
    EXPECT_FALSE(m_form->pollPanel->isVisible());
    EXPECT_TRUE(m_form->idleAndPollTimer->isEnabled());

    m_form->NewGame();
    m_form->pollAction->trigger();
    answerRight();
    EXPECT_FALSE(m_form->pollPanel->isVisible());
    EXPECT_FALSE(m_form->idleAndPollTimer->isEnabled());
}

TEST_F(LifelinesTest, TheFriendAnswersWhenTheNumberIsDialledAndTheThinkingTimeStartsAgain)
{
    m_form->thinkingTick();
    m_form->thinkingTick();
    callAndThen(true);
    EXPECT_FALSE(m_timerRanDuringCall);
    EXPECT_EQ(m_barDuringCall, 0);
    // Friend 1, reply 1, the first question, no winnings yet.
    EXPECT_EQ(m_number, "11" + QString::number(state().RightAnswer) + "1099");
    EXPECT_TRUE(m_reply.startsWith("Я думаю, \nчто правильный ответ:\n\"")) << m_reply.toStdString();
    EXPECT_TRUE(m_fakes.sound.played.contains("zvonok.wav"));
    EXPECT_EQ(m_settings.ReadSettingInt(SettingsSection, "Друг", 0), 1);
    EXPECT_EQ(m_settings.ReadSettingInt(SettingsSection, "Фраза", 0), 1);

    EXPECT_TRUE(m_form->thinkingTimer->isEnabled());
    EXPECT_EQ(m_form->thinkingBar->position(), 0);
    EXPECT_FALSE(m_form->phoneAction->isEnabled());
    EXPECT_FALSE(m_form->phoneButton->isEnabled());
    EXPECT_EQ(state().Level, 1);
}

TEST_F(LifelinesTest, ACallThatNeverGetsThroughStillUsesThePhoneUp)
{
    m_form->pollAction->trigger();
    callAndThen(false);
    EXPECT_FALSE(m_form->pollPanel->isVisible());
    EXPECT_FALSE(m_fakes.sound.played.contains("zvonok.wav"));
    EXPECT_FALSE(m_form->phoneAction->isEnabled());
    EXPECT_TRUE(m_form->thinkingTimer->isEnabled());
}

TEST_F(LifelinesTest, StoredCountersOutOfRangeStartTheFriendsAgainAtTheFirst)
{
    for (const int stored : {-5, 9, 1000}) {
        m_settings.WriteSettingInt(SettingsSection, QStringLiteral("Друг"), stored);
        m_settings.WriteSettingInt(SettingsSection, QStringLiteral("Фраза"), stored);
        m_form->NewGame();
        callAndThen(false);
        EXPECT_EQ(m_number.left(1), "1") << stored;
        EXPECT_EQ(m_settings.ReadSettingInt(SettingsSection, "Друг", 0), 1);
        EXPECT_EQ(m_settings.ReadSettingInt(SettingsSection, "Фраза", 0), 1);
    }
}

TEST_F(LifelinesTest, NoLifelineIsSpentWhileNoQuestionIsOnShow)
{
    // Paused: after the next answer no question is shown until the pause ends.
    m_form->togglePause();
    answerRight();
    ASSERT_FALSE(m_form->answerButtons[0]->isVisible());
    m_form->fiftyFiftyAction->trigger();
    m_form->pollAction->trigger();
    m_form->phoneAction->trigger();
    EXPECT_TRUE(m_form->fiftyFiftyAction->isEnabled());
    EXPECT_TRUE(m_form->pollAction->isEnabled());
    EXPECT_TRUE(m_form->phoneAction->isEnabled());
    EXPECT_FALSE(m_form->pollPanel->isVisible());
}

TEST_F(LifelinesTest, TheLifelinesAreOffOutsideAGame)
{
    answerWrong();
    for (QAction* lifeline : {m_form->fiftyFiftyAction, m_form->pollAction, m_form->phoneAction})
        EXPECT_FALSE(lifeline->isEnabled());
    for (QToolButton* lifeline : {m_form->fiftyFiftyButton, m_form->pollButton, m_form->phoneButton})
        EXPECT_FALSE(lifeline->isEnabled());
}

} // namespace
