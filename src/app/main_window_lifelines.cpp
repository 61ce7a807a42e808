// The three lifelines: fifty-fifty, the audience poll and the call to a
// friend. Each is used once per game and counts as used while its commands
// are disabled.
#include "app/main_window.h"

#include "app/pictures.h"
#include "controls/grad_button.h"
#include "controls/progress_bar.h"
#include "lifelines/audience_poll.h"
#include "lifelines/fifty_fifty.h"
#include "lifelines/phone_call.h"
#include "lifelines/phone_dialog.h"
#include "lifelines/poll_pie.h"
#include "platform/game_timer.h"
#include "platform/services.h"
#include "questions/question_codec.h"
#include "storage/settings_store.h"

#include <QAction>
#include <QFrame>
#include <QToolButton>

namespace {

struct PollSlice {
    QString label;
    QColor colour;
};
const std::array<PollSlice, 4> PollSlices{{{QStringLiteral("A"), QColor(0xFF, 0x00, 0x00)},
                                           {QStringLiteral("B"), QColor(0x00, 0xFF, 0x00)},
                                           {QStringLiteral("C"), QColor(0x00, 0x00, 0xFF)},
                                           {QStringLiteral("D"), QColor(0xFF, 0xFF, 0x00)}}};

} // namespace

bool MainWindow::lifelineApplies() const { return m_answerAwaited && !m_deliveringHeldInput; }

void MainWindow::disableLifeline(QAction* action, QToolButton* button)
{
    action->setEnabled(false);
    button->setEnabled(false);
}

void MainWindow::fiftyFifty()
{
    if (!lifelineApplies())
        return;
    pollPanel->hide();
    Wave(QStringLiteral("btnclick"), false, false);
    for (int removed : drawFiftyFifty(m_services.random, m_state.RightAnswer))
        answerButtons.at(removed - 1)->setCaption(QString());
    disableLifeline(fiftyFiftyAction, fiftyFiftyButton);
}

void MainWindow::askAudience()
{
    if (!lifelineApplies())
        return;
    showPollPanel();
    Wave(QStringLiteral("btnCLICK"), false, false);
    const std::array<int, 4> votes = drawAudienceVotes(m_services.random, m_state.RightAnswer);
    disableLifeline(pollAction, pollButton);
    idleAndPollTimer->setEnabled(true);
    pollPie->clear();
    // An answer fifty-fifty took away has its votes, but no slice.
    for (int i = 0; i < 4; ++i)
        if (!answerButtons[i]->caption().isEmpty())
            pollPie->addSlice(PollSlices[i].label, votes[i], PollSlices[i].colour);
}

void MainWindow::showPollPanel()
{
    // Centred on the screen, not on the window.
    pollPanel->move((sceneWidth() - pollPanel->width()) / 2, pollPanel->y());
    pollPanel->show();
    pollPanel->raise();
}

void MainWindow::callFriend()
{
    if (!lifelineApplies())
        return;
    pollPanel->hide();
    ResImage(QStringLiteral("ways"));
    Wave(QStringLiteral("btnCLICK"), false, false);

    CallFacts facts;
    facts.storedFriend = m_settings.ReadSettingInt(SettingsSection, QStringLiteral("Друг"), 0);
    facts.storedPhrase = m_settings.ReadSettingInt(SettingsSection, QStringLiteral("Фраза"), 0);
    facts.rightAnswer = m_state.RightAnswer;
    facts.level = m_state.Level;
    facts.winnings = m_state.Winnings;
    for (int i = 0; i < 4; ++i)
        facts.answers[i] = ShownQuestionText(m_state.Answers[i]);
    const PhoneCall call = preparePhoneCall(facts);
    // Stored before the clock stops: a store that refuses leaves the game as it was.
    m_settings.WriteSettingInt(SettingsSection, QStringLiteral("Друг"), call.friendNo);
    m_settings.WriteSettingInt(SettingsSection, QStringLiteral("Фраза"), call.phraseNo);

    thinkingTimer->setEnabled(false);
    thinkingBar->setPosition(0);
    phoneDialog->setUpCall(renderPicture(QStringLiteral("DR%1").arg(call.friendNo)), call.number, call.reply);
    phoneDialog->call();
    // The thinking time starts again from nothing.
    thinkingTimer->setEnabled(true);
    disableLifeline(phoneAction, phoneButton);
}
