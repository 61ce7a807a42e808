// The game from the New game command to the verdict on each answer.
#include "app/main_window.h"

#include "app/game_colours.h"
#include "app/code_page.h"
#include "app/game_phrases.h"
#include "app/ini_file.h"
#include "app/ladder_bar.h"
#include "app/player_name.h"
#include "app/prize_ladder.h"
#include "app/settings_store.h"
#include "controls/grad_button.h"
#include "controls/progress_bar.h"
#include "platform/game_timer.h"
#include "platform/services.h"
#include "questions/question_codec.h"
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

QString decodeQuestionText(const QByteArray& stored)
{
    return cp1251::decode(ConvertCodePage(LoadStr(stored), QStringLiteral("w")));
}

// The question table is open only while a question is set up; whatever ends
// the set-up closes it.
class TableSession {
public:
    explicit TableSession(DbfTable& table) : m_table(table) {}
    ~TableSession()
    {
        if (m_table.IsOpen())
            m_table.CloseTable();
    }
    TableSession(const TableSession&) = delete;
    TableSession& operator=(const TableSession&) = delete;

private:
    DbfTable& m_table;
};

} // namespace

QString TForm1::resultsFile() const
{
    return m_services.paths.programFolder + QStringLiteral("tulip.lst");
}

void TForm1::timedMessage(const QString& text, const QColor& background, const QColor& textColor,
                          const QString& sound, int extraWaitMs)
{
    ShowMessageWindow(QStringLiteral("Zambrel!"), text, background, textColor);
    Wave(sound, true, true);
    if (extraWaitMs > 0)
        m_services.waiter.wait(extraWaitMs);
    CloseMessageWindow();
}

void TForm1::NewGame()
{
    Panel2->hide();
    m_state.ThinkInterval = 500;
    Lider2(false);
    CloseGame(false);
    Timer2->setInterval(300);
    Timer2->setEnabled(false);
    m_services.keyboard.selectRussian();
    m_state.GameResult = 0;
    settlePlayerName();
    ResImage(QStringLiteral("game"));
    m_state.Level = 1;
    m_state.Winnings = 0;

    const QString results = resultsFile();
    const QString& player = m_state.PlayerName;
    m_state.GameNo = IniReadInt(results, player, QStringLiteral("Игра"), 0) + 1;
    m_state.Balance = IniReadInt(results, player, QStringLiteral("Состояние"), 0);
    if (m_state.Balance == 0) {
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
        return;
    }
    settlePlayerCity();

    for (int level = 1; level <= TopLevel; ++level)
        CoolBar1->New(level);
    CoolBar1->New(0);

    loadAnswerCounters();
    GameEnable(true);
    SetGame(m_state.Level);
    if (QWidget* active = QApplication::activeWindow())
        active->repaint();
}

void TForm1::settlePlayerName()
{
    if (MemoName->isChecked())
        m_state.PlayerName = m_settings.ReadSettingStr(SettingsSection, QStringLiteral("Игрок"), {});
    if (!m_state.PlayerName.isEmpty())
        return;
    const QString owner = ReadRegistryValues(m_services.facts, RegistryRoot::LocalMachine,
                                             QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion"),
                                             QStringLiteral("RegisteredOwner"));
    m_state.PlayerName = sanitizePlayerName(m_services.dialogs.inputText(
        QStringLiteral("Zambrel!"), QStringLiteral("Как тебя называть?"), owner));
    if (MemoName->isChecked())
        m_settings.WriteSettingStr(SettingsSection, QStringLiteral("Игрок"), m_state.PlayerName);
}

void TForm1::settlePlayerCity()
{
    const QString results = resultsFile();
    m_state.PlayerCity = IniReadStr(results, m_state.PlayerName, QStringLiteral("Место"), {});
    if (!m_state.PlayerCity.isEmpty())
        return;
    m_state.PlayerCity = m_settings.ReadSettingStr(SettingsSection, QStringLiteral("Место"), {});
    if (m_state.PlayerCity.isEmpty()) {
        m_state.PlayerCity = m_services.dialogs.inputText(
            QStringLiteral("Zambrel!"), QStringLiteral("А из какого Вы города?"), {});
        if (m_state.PlayerCity.isEmpty() && m_state.GameNo > 10)
            m_state.PlayerCity = m_services.facts.computerName;
    }
    m_settings.WriteSettingStr(SettingsSection, QStringLiteral("Место"), m_state.PlayerCity);
    IniWriteStr(results, m_state.PlayerName, QStringLiteral("Место"), m_state.PlayerCity);
}

void TForm1::GameEnable(bool on)
{
    for (QAction* command : {N50501, N4, N5, N6})
        command->setEnabled(on);
    for (QToolButton* button : {Sl1, Sl2, Sl3, SI4})
        button->setEnabled(on);
    for (QWidget* control : {static_cast<QWidget*>(CoolBar1), static_cast<QWidget*>(Panel1),
                             static_cast<QWidget*>(ProgBar), static_cast<QWidget*>(Memo1)})
        control->setVisible(on);
    for (TGradButton* button : FaqBtn)
        button->setVisible(on);
}

void TForm1::Bancrot()
{
    CloseGame(false);
    m_services.dialogs.info(
        QStringLiteral("%1\rТы БАНКРОТ!!\rАзартные игры не для тебя!").arg(m_state.PlayerName));
}

void TForm1::SetGame(int n)
{
    if (m_state.Paused) {
        Memo1->hide();
        for (TGradButton* button : FaqBtn)
            button->hide();
        showMinimized();
        return;
    }
    ResImage(QStringLiteral("game"));
    Wave(n == 1 ? QStringLiteral("gong") : QStringLiteral("change"), false, false);
    ProgBar->setPosition(0);
    Memo1->clear();
    for (TGradButton* button : FaqBtn)
        button->setGradColor(Blue);
    CoolBar1->New(n);
    if (!loadQuestion(n))
        return;
    repaint();
    Timer1->setInterval(m_state.ThinkInterval);
    Timer1->setEnabled(true);
}

bool TForm1::loadQuestion(int n)
{
    const TableSession session(TulipT);
    TulipT.SetDatabaseName(m_services.paths.programFolder);
    TulipT.OpenTable();
    TulipT.SetFiltered(false);
    TulipT.SetFilter(QStringLiteral("(NN = %1)").arg(n));
    TulipT.SetFiltered(true);
    if (TulipT.AtEnd()) {
        abandonGame(QStringLiteral("В таблице вопросов нет ни одного вопроса %1-го уровня.").arg(n));
        return false;
    }

    m_services.random.randomize();
    const QString levelKey = QString::number(n);
    const QString recordKey = QStringLiteral("Rec") + levelKey;
    int skip = m_settings.ReadSettingInt(SettingsSection, levelKey, m_services.random.random(25));
    TulipT.GoFirst();
    TulipT.Skip(std::max(skip, 0));
    if (m_settings.ReadSettingInt(SettingsSection, recordKey, 1) ==
        static_cast<int>(TulipT.RecordNumber())) {
        TulipT.GoFirst();
        TulipT.Skip(0);
        skip = 0;
    }
    m_settings.WriteSettingInt(SettingsSection, levelKey, skip + 1);
    m_settings.WriteSettingInt(SettingsSection, recordKey, static_cast<int>(TulipT.RecordNumber()));
    showQuestion();
    if (m_state.RightAnswer < 1 || m_state.RightAnswer > 4) {
        abandonGame(QStringLiteral("Вопрос %1 в таблице вопросов испорчен: у него нет верного ответа.")
                        .arg(TulipT.RecordNumber()));
        return false;
    }
    rotateQuestion();
    return true;
}

void TForm1::abandonGame(const QString& reason)
{
    TulipT.CloseTable();
    m_services.dialogs.error(reason + QStringLiteral("\rИгра окончена без подсчёта результата."));
    CloseGame(false);
    armIdleExit();
}

void TForm1::showQuestion()
{
    Memo1->setPlainText(decodeQuestionText(TulipT.GetText(QStringLiteral("QQ"))));
    Memo1->verticalScrollBar()->setValue(0);
    for (int i = 0; i < 4; ++i)
        m_state.Answers[i] = TulipT.GetText(QStringLiteral("A%1").arg(i + 1));
    for (int i = 0; i < 4; ++i)
        FaqBtn[i]->setCaption(QString(QChar(u'A' + i)) + QStringLiteral(".  ") +
                              decodeQuestionText(m_state.Answers[i]));
    m_state.RightAnswer = TulipT.GetInteger(QStringLiteral("ZN"));
}

void TForm1::rotateQuestion()
{
    if (!TulipT.LockRecord())
        return;
    const RotatedAnswers rotated = rotateAnswers(m_state.Answers, m_state.RightAnswer);
    TulipT.BeginEdit();
    TulipT.SetText(QStringLiteral("A1"), rotated.answers[0]);
    TulipT.SetText(QStringLiteral("A4"), rotated.answers[3]);
    TulipT.SetText(QStringLiteral("A3"), rotated.answers[2]);
    TulipT.SetText(QStringLiteral("A2"), rotated.answers[1]);
    TulipT.SetInteger(QStringLiteral("ZN"), rotated.rightAnswer);
    TulipT.PostRecord();
    TulipT.UnlockRecords();
}

void TForm1::Timer1Timer()
{
    ProgBar->setPosition(ProgBar->position() + 1);
    if (ProgBar->position() < 100)
        return;
    Timer1->setEnabled(false);
    timedMessage(QStringLiteral("Игра окончена, Ваше время истекло!"), White, Black,
                 QStringLiteral("stoptime"), 2000);
    CloseGame(true);
    askPlayAgain();
}

void TForm1::FaqBtn1Click(int tag)
{
    if (Panel2->isVisible()) {
        Timer2->setEnabled(false);
        Panel2->hide();
    }
    Wave(QStringLiteral("btnclick"), false, false);
    m_state.ClickCount = nextClickCount(m_state.ClickCount);
    m_state.PhraseNo = nextPhraseNo(m_state.PhraseNo);

    if (isTease(m_state.ClickCount, m_state.Level)) {
        Timer1->setEnabled(false);
        ProgBar->setPosition(0);
        timedMessage(phrase(TeasePhrases.at(m_state.Level)), Blue, Yellow, QStringLiteral("MILLION"));
        Timer1->setInterval(m_state.ThinkInterval);
        Timer1->setEnabled(true);
        return;
    }

    TGradButton* clicked = FaqBtn.at(tag - 1);
    clicked->setGradColor(Red);
    clicked->repaint();
    m_services.waiter.wait(500);
    Timer1->setEnabled(false);
    CoolBar1->New(m_state.Level);

    if (m_state.AdvertCount < 13) {
        ++m_state.AdvertCount;
    } else {
        timedMessage(QStringLiteral("А правильный это ответ или нет, Вы узнаете после РЕКЛАМЫ!"),
                     Yellow, Black, QStringLiteral("RECLAMA"));
        repaint();
        m_state.AdvertCount = 0;
    }
    m_settings.WriteSettingInt(SettingsSection, QStringLiteral("Реклама"), m_state.AdvertCount);

    TGradButton* right = FaqBtn.at(m_state.RightAnswer - 1);
    right->setGradColor(Lime);
    right->repaint();
    if (tag == m_state.RightAnswer)
        rightAnswer();
    else
        wrongAnswer();
}

void TForm1::rightAnswer()
{
    TabloV(m_state.Level, true);
    timedMessage(phrase(PraisePhrases.at(m_state.ClickCount)), Red, White,
                 phrase(RightSounds.at(m_state.PhraseNo)));
    TabloV(m_state.Level, false);
    m_state.Winnings = PrizeLadder.at(m_state.Level);
    if (m_state.Level == 5 || m_state.Level == 10) {
        timedMessage(QString::number(m_state.Winnings) +
                         QStringLiteral(" рублей, уже навсегда останется с Вами!"),
                     Lime, Black, QStringLiteral("summa"));
        Dollar(m_state.Level == 5 ? 1000 : 31000);
        m_state.ThinkInterval += 500;
    }
    IniWriteStr(resultsFile(), m_state.PlayerName, QStringLiteral("DT"),
                m_services.clock.now().toString(QStringLiteral("dd.MM.yyyy hh:mm")));
    if (m_state.Level == TopLevel) {
        millionEnding();
    } else {
        ++m_state.Level;
        SetGame(m_state.Level);
    }
}

void TForm1::wrongAnswer()
{
    timedMessage(phrase(WrongPhrases.at(m_state.PhraseNo)), Lavender, White, QStringLiteral("false"));
    Wave(QStringLiteral("oshibka"), false, false);
    CloseGame(true);
    askPlayAgain();
}

void TForm1::TabloV(int level, bool show)
{
    for (TGradButton* button : FaqBtn)
        button->setVisible(!show);
    Memo1->setVisible(!show);
    if (show) {
        Tablo->setCaption(scoreBoardCaption(level));
        if (isHolidayPeriod(m_services.clock.now().date())) {
            ResImage(QStringLiteral("ded"));
            if (level == 5 || level == 10)
                Tablo->setCaption(QStringLiteral("* С Новым годом! *"));
        }
    }
    Tablo->setVisible(show);
    repaint();
}

void TForm1::Button1Click()
{
    if (m_state.Level == 0)
        return;
    m_state.Paused = !m_state.Paused;
    if (m_state.Paused) {
        PzItem->setToolTip(PausedHint);
        m_services.dialogs.info(
            QStringLiteral("После ответа на вопрос программа перейдет в режим паузы!"));
        return;
    }
    PzItem->setToolTip(PauseHint);
    Memo1->show();
    for (TGradButton* button : FaqBtn)
        button->show();
    SetGame(m_state.Level);
}
