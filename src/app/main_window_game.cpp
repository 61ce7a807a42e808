// The game from the New game command to the verdict on each answer.
#include "app/main_window.h"

#include "app/game_colours.h"
#include "app/game_phrases.h"
#include "storage/ini_file.h"
#include "app/ladder_bar.h"
#include "app/player_name.h"
#include "app/prize_ladder.h"
#include "app/table_session.h"
#include "storage/app_error.h"
#include "storage/settings_store.h"
#include "controls/grad_button.h"
#include "controls/progress_bar.h"
#include "platform/game_timer.h"
#include "platform/services.h"
#include "questions/question_codec.h"
#include "windows/full_stop.h"
#include "windows/message_window.h"
#include "windows/registry_values.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QScrollBar>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {

using namespace game_colours;

const QString PauseHint = QStringLiteral("Устал? Нажми и отдохни, будет ПАУЗА");
const QString PausedHint = QStringLiteral("Программа находится в режиме ПАУЗЫ");

QString phrase(std::u16string_view text) { return QString::fromUtf16(text.data(), text.size()); }

} // namespace

QString MainWindow::resultsFile() const
{
    return m_services.paths.dataFolder + QStringLiteral("tulip.lst");
}

void MainWindow::timedMessage(const QString& text, const QColor& background, const QColor& textColor,
                          const QString& sound, int extraWaitMs)
{
    ShowMessageWindow(QStringLiteral("Zambrel!"), text, background, textColor);
    Wave(sound, true, true);
    if (extraWaitMs > 0)
        m_services.waiter.wait(extraWaitMs);
    CloseMessageWindow();
}

void MainWindow::NewGame()
{
    pollPanel->hide();
    m_state.ThinkInterval = 500;
    Lider2(false);
    CloseGame(false);
    idleAndPollTimer->setInterval(300);
    idleAndPollTimer->setEnabled(false);
    m_services.keyboard.selectRussian();
    m_state.GameResult = 0;
    const QString lastBookedPlayer = rememberedPlayer();
    settlePlayerName();
    ResImage(QStringLiteral("game"));
    m_state.Level = 1;
    m_state.Winnings = 0;
    if (!settleBalance(lastBookedPlayer))
        return;
    settlePlayerCity();

    for (int level = 1; level <= TopLevel; ++level)
        ladder->New(level);
    ladder->New(0);

    loadAnswerCounters();
    GameEnable(true);
    SetGame(m_state.Level);
    if (QWidget* active = QApplication::activeWindow())
        active->repaint();
}

bool MainWindow::settleBalance(const QString& lastBookedPlayer)
{
    const QString results = resultsFile();
    const QString& player = m_state.PlayerName;
    m_state.GameNo = IniReadInt(results, player, QStringLiteral("Игра"), 0) + 1;
    m_state.Balance = IniReadInt(results, player, QStringLiteral("Состояние"), 0);
    // The settings keep the account of the last booked game: it is this
    // player's only when he was the one remembered then.
    if (m_state.Balance == 0 && isSamePlayer(player, lastBookedPlayer)) {
        m_state.Balance = m_settings.ReadSettingInt(SettingsSection, QStringLiteral("Состояние"), 0);
        m_state.GameNo = m_settings.ReadSettingInt(SettingsSection, QStringLiteral("Игра"), 0) + 1;
    }
    if (m_state.Balance == 0 && m_state.GameNo == 1) {
        m_services.dialogs.info(
            QStringLiteral("Привет %1 %2 \rДаю тебе 100 рублей на раскрутку.\rНе забудь вернуть!")
                .arg(QStringLiteral("Zambrel!"), player));
        m_state.Balance = 100;
    } else if (m_state.Balance == 0) {
        Bancrot();
        return false;
    }
    return true;
}

QString MainWindow::rememberedPlayer() const
{
    return cleanPlayerName(m_settings.ReadSettingStr(SettingsSection, QStringLiteral("Игрок"), {}));
}

void MainWindow::settlePlayerName()
{
    if (rememberNameAction->isChecked())
        m_state.PlayerName = rememberedPlayer();
    if (!m_state.PlayerName.isEmpty())
        return;
    const QString owner = ReadRegistryValues(m_services.facts, RegistryRoot::LocalMachine,
                                             QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion"),
                                             QStringLiteral("RegisteredOwner"));
    m_state.PlayerName = cleanPlayerName(m_services.dialogs.inputText(
        QStringLiteral("Zambrel!"), QStringLiteral("Как тебя называть?"), owner));
    if (rememberNameAction->isChecked())
        m_settings.WriteSettingStr(SettingsSection, QStringLiteral("Игрок"), m_state.PlayerName);
}

void MainWindow::settlePlayerCity()
{
    const QString results = resultsFile();
    m_state.PlayerCity = cleanPlayerText(IniReadStr(results, m_state.PlayerName, QStringLiteral("Место"), {}));
    if (!m_state.PlayerCity.isEmpty())
        return;
    m_state.PlayerCity = cleanPlayerText(m_settings.ReadSettingStr(SettingsSection, QStringLiteral("Место"), {}));
    if (m_state.PlayerCity.isEmpty()) {
        m_state.PlayerCity = cleanPlayerText(m_services.dialogs.inputText(
            QStringLiteral("Zambrel!"), QStringLiteral("А из какого Вы города?"), {}));
        if (m_state.PlayerCity.isEmpty() && m_state.GameNo > 10)
            m_state.PlayerCity = m_services.facts.computerName;
    }
    m_settings.WriteSettingStr(SettingsSection, QStringLiteral("Место"), m_state.PlayerCity);
    // A player without a name has no section.
    if (!m_state.PlayerName.isEmpty())
        IniWriteStr(results, m_state.PlayerName, QStringLiteral("Место"), m_state.PlayerCity);
}

void MainWindow::GameEnable(bool on)
{
    for (QAction* command : {fiftyFiftyAction, pollAction, phoneAction, takeMoneyAction})
        command->setEnabled(on);
    for (QToolButton* button : {fiftyFiftyButton, phoneButton, pollButton, takeMoneyButton})
        button->setEnabled(on);
    for (QWidget* control : {static_cast<QWidget*>(ladder), static_cast<QWidget*>(topTenPanel),
                             static_cast<QWidget*>(thinkingBar), static_cast<QWidget*>(questionText)})
        control->setVisible(on);
    for (TGradButton* button : answerButtons)
        button->setVisible(on);
}

void MainWindow::Bancrot()
{
    CloseGame(false);
    // The refused player has no game: nothing of one may go on (the pause
    // would otherwise set up a question for him).
    m_state.Level = 0;
    m_services.dialogs.info(
        QStringLiteral("%1\rТы БАНКРОТ!!\rАзартные игры не для тебя!").arg(m_state.PlayerName));
}

void MainWindow::SetGame(int n)
{
    if (m_state.Paused) {
        questionText->hide();
        for (TGradButton* button : answerButtons)
            button->hide();
        showMinimized();
        return;
    }
    ResImage(QStringLiteral("game"));
    Wave(n == 1 ? QStringLiteral("gong") : QStringLiteral("change"), false, false);
    thinkingBar->setPosition(0);
    questionText->clear();
    for (TGradButton* button : answerButtons)
        button->setGradColor(Blue);
    ladder->New(n);
    if (!setUpQuestion(n))
        return;
    repaint();
    thinkingTimer->setInterval(m_state.ThinkInterval);
    thinkingTimer->setEnabled(true);
    m_answerAwaited = true;
}

bool MainWindow::setUpQuestion(int n)
{
    try {
        return loadQuestion(n);
    } catch (const AppError& error) {
        // Whatever breaks the set-up, the game cannot be judged any further.
        abandonGame(withFullStop(error.text()));
        return false;
    }
}

bool MainWindow::loadQuestion(int n)
{
    const TableSession session(m_questionTable);
    m_questionTable.SetDatabaseName(m_services.paths.dataFolder);
    m_questionTable.OpenTable();
    m_questionTable.SetFiltered(false);
    m_questionTable.SetFilter(QStringLiteral("(NN = %1)").arg(n));
    m_questionTable.SetFiltered(true);
    if (m_questionTable.AtEnd()) {
        abandonGame(QStringLiteral("В таблице вопросов нет ни одного вопроса %1-го уровня.").arg(n));
        return false;
    }

    m_services.random.randomize();
    const QString levelKey = QString::number(n);
    const QString recordKey = QStringLiteral("Rec") + levelKey;
    int skip = m_settings.ReadSettingInt(SettingsSection, levelKey, m_services.random.random(25));
    m_questionTable.GoFirst();
    m_questionTable.Skip(std::max(skip, 0));
    if (m_settings.ReadSettingInt(SettingsSection, recordKey, 1) ==
        static_cast<int>(m_questionTable.RecordNumber())) {
        m_questionTable.GoFirst();
        m_questionTable.Skip(0);
        skip = 0;
    }
    m_settings.WriteSettingInt(SettingsSection, levelKey, skip + 1);
    m_settings.WriteSettingInt(SettingsSection, recordKey, static_cast<int>(m_questionTable.RecordNumber()));
    showQuestion();
    if (m_state.RightAnswer < 1 || m_state.RightAnswer > 4) {
        abandonGame(QStringLiteral("Вопрос %1 в таблице вопросов испорчен: у него нет верного ответа.")
                        .arg(m_questionTable.RecordNumber()));
        return false;
    }
    rotateQuestion();
    return true;
}

void MainWindow::abandonGame(const QString& reason)
{
    if (m_questionTable.IsOpen())
        m_questionTable.CloseTable();
    m_services.dialogs.error(reason + QStringLiteral("\rИгра окончена без подсчёта результата."));
    CloseGame(false);
    armIdleExit();
}

void MainWindow::showQuestion()
{
    questionText->setPlainText(ShownQuestionText(m_questionTable.GetText(QStringLiteral("QQ"))));
    questionText->verticalScrollBar()->setValue(0);
    for (int i = 0; i < 4; ++i)
        m_state.Answers[i] = m_questionTable.GetText(QStringLiteral("A%1").arg(i + 1));
    for (int i = 0; i < 4; ++i)
        answerButtons[i]->setCaption(QString(QChar(u'A' + i)) + QStringLiteral(".  ") +
                              ShownQuestionText(m_state.Answers[i]));
    m_state.RightAnswer = m_questionTable.GetInteger(QStringLiteral("ZN"));
}

void MainWindow::rotateQuestion()
{
    if (!m_questionTable.LockRecord())
        return;
    // Another copy of the game may have moved the answers on since they were
    // read for the player: what is moved on is the record as it is now, read
    // again under its lock, or that copy's move would be undone.
    m_questionTable.BeginEdit();
    std::array<QByteArray, 4> stored;
    for (int i = 0; i < 4; ++i)
        stored[i] = m_questionTable.GetText(QStringLiteral("A%1").arg(i + 1));
    const RotatedAnswers rotated =
        rotateAnswers(stored, m_questionTable.GetInteger(QStringLiteral("ZN")));
    m_questionTable.SetText(QStringLiteral("A1"), rotated.answers[0]);
    m_questionTable.SetText(QStringLiteral("A4"), rotated.answers[3]);
    m_questionTable.SetText(QStringLiteral("A3"), rotated.answers[2]);
    m_questionTable.SetText(QStringLiteral("A2"), rotated.answers[1]);
    m_questionTable.SetInteger(QStringLiteral("ZN"), rotated.rightAnswer);
    m_questionTable.PostRecord();
    m_questionTable.UnlockRecords();
}

void MainWindow::thinkingTick()
{
    thinkingBar->setPosition(thinkingBar->position() + 1);
    if (thinkingBar->position() < 100)
        return;
    thinkingTimer->setEnabled(false);
    m_answerAwaited = false;
    timedMessage(QStringLiteral("Игра окончена, Ваше время истекло!"), White, Black,
                 QStringLiteral("stoptime"), 2000);
    CloseGame(true);
    askPlayAgain();
}

void MainWindow::answer(int tag)
{
    // Only a question on show is answered: not one still being set up or
    // judged, nor one whose click was held back by a wait.
    if (!m_answerAwaited || m_deliveringHeldInput)
        return;
    if (pollPanel->isVisible()) {
        idleAndPollTimer->setEnabled(false);
        pollPanel->hide();
    }
    Wave(QStringLiteral("btnclick"), false, false);
    m_state.ClickCount = nextClickCount(m_state.ClickCount);
    m_state.PhraseNo = nextPhraseNo(m_state.PhraseNo);

    if (isTease(m_state.ClickCount, m_state.Level)) {
        thinkingTimer->setEnabled(false);
        thinkingBar->setPosition(0);
        timedMessage(phrase(TeasePhrases.at(m_state.Level)), Blue, Yellow, QStringLiteral("MILLION"));
        thinkingTimer->setInterval(m_state.ThinkInterval);
        thinkingTimer->setEnabled(true);
        return;
    }

    m_answerAwaited = false;
    TGradButton* clicked = answerButtons.at(tag - 1);
    clicked->setGradColor(Red);
    clicked->repaint();
    m_services.waiter.wait(500);
    thinkingTimer->setEnabled(false);
    ladder->New(m_state.Level);

    if (m_state.AdvertCount < 13) {
        ++m_state.AdvertCount;
    } else {
        timedMessage(QStringLiteral("А правильный это ответ или нет, Вы узнаете после РЕКЛАМЫ!"),
                     Yellow, Black, QStringLiteral("RECLAMA"));
        showAdvert();
        repaint();
        m_state.AdvertCount = 0;
    }
    m_settings.WriteSettingInt(SettingsSection, QStringLiteral("Реклама"), m_state.AdvertCount);

    TGradButton* right = answerButtons.at(m_state.RightAnswer - 1);
    right->setGradColor(Lime);
    right->repaint();
    if (tag == m_state.RightAnswer)
        rightAnswer();
    else
        wrongAnswer();
}

void MainWindow::rightAnswer()
{
    showScoreBoard(m_state.Level, true);
    timedMessage(phrase(PraisePhrases.at(m_state.ClickCount)), Red, White,
                 phrase(RightSounds.at(m_state.PhraseNo)));
    showScoreBoard(m_state.Level, false);
    m_state.Winnings = PrizeLadder.at(m_state.Level);
    if (m_state.Level == 5 || m_state.Level == 10) {
        timedMessage(QString::number(m_state.Winnings) +
                         QStringLiteral(" рублей, уже навсегда останется с Вами!"),
                     Lime, Black, QStringLiteral("summa"));
        Dollar(m_state.Level == 5 ? 1000 : 31000);
        m_state.ThinkInterval += 500;
    }
    if (!m_state.PlayerName.isEmpty())
        IniWriteStr(resultsFile(), m_state.PlayerName, QStringLiteral("DT"),
                    m_services.clock.now().toString(QStringLiteral("dd.MM.yyyy hh:mm")));
    if (m_state.Level == TopLevel) {
        millionEnding();
    } else {
        ++m_state.Level;
        SetGame(m_state.Level);
    }
}

void MainWindow::wrongAnswer()
{
    timedMessage(phrase(WrongPhrases.at(m_state.PhraseNo)), Lavender, White, QStringLiteral("false"));
    Wave(QStringLiteral("oshibka"), false, false);
    CloseGame(true);
    askPlayAgain();
}

void MainWindow::showScoreBoard(int level, bool show)
{
    for (TGradButton* button : answerButtons)
        button->setVisible(!show);
    questionText->setVisible(!show);
    if (show) {
        scoreBoard->setCaption(scoreBoardCaption(level));
        if (isHolidayPeriod(m_services.clock.now().date())) {
            ResImage(QStringLiteral("ded"));
            if (level == 5 || level == 10)
                scoreBoard->setCaption(QStringLiteral("* С Новым годом! *"));
        }
    }
    scoreBoard->setVisible(show);
    repaint();
}

void MainWindow::togglePause()
{
    if (m_state.Level == 0)
        return;
    m_state.Paused = !m_state.Paused;
    if (m_state.Paused) {
        pauseButton->setToolTip(PausedHint);
        m_services.dialogs.info(
            QStringLiteral("После ответа на вопрос программа перейдет в режим паузы!"));
        return;
    }
    pauseButton->setToolTip(PauseHint);
    questionText->show();
    for (TGradButton* button : answerButtons)
        button->show();
    SetGame(m_state.Level);
}
