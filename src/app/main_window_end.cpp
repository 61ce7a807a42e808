// The end of a game: the booking, taking the money, the million, the
// banknotes, the question to play again; the ranking and the reset.
#include "app/main_window.h"

#include "app/game_colours.h"
#include "storage/ini_file.h"
#include "app/money_window.h"
#include "app/pictures.h"
#include "app/prize_ladder.h"
#include "storage/settings_store.h"
#include "controls/grad_button.h"
#include "platform/game_timer.h"
#include "platform/services.h"
#include "records/game_date.h"
#include "records/lider_page.h"
#include "records/ranking.h"
#include "records/reset_rule.h"
#include "windows/message_window.h"
#include "windows/registry_values.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QTreeWidget>

#include <algorithm>

namespace {

using namespace game_colours;
constexpr int IdleExitMs = 300000;
constexpr int ScoreBoardMs = 3000;
constexpr int NoteDelayMs = 50;
} // namespace

void MainWindow::armIdleExit()
{
    idleAndPollTimer->setInterval(IdleExitMs);
    m_state.Level = 0;
    idleAndPollTimer->setEnabled(true);
}

void MainWindow::CloseGame(bool book, GameEnd end)
{
    m_answerAwaited = false;
    ResImage(QStringLiteral("ways"));
    GameEnable(false);
    repaint();
    thinkingTimer->setEnabled(false);
    m_settings.WriteSettingInt(SettingsSection, QStringLiteral("Реклама"), m_state.AdvertCount);
    m_settings.WriteSettingInt(SettingsSection, QStringLiteral("Ответ"), m_state.ClickCount);
    m_settings.WriteSettingInt(SettingsSection, QStringLiteral("Звук"), m_state.PhraseNo);

    if (book && !m_state.PlayerName.isEmpty()) {
        m_state.GameResult = gameResult(end, m_state.Level, m_state.Balance, m_state.Winnings);
        scoreBoard->setCaption(resultCaption(m_state.GameResult));
        scoreBoard->show();
        repaint();
        Wave(QStringLiteral("begin"), false, false);
        m_services.waiter.wait(ScoreBoardMs);
        scoreBoard->hide();
        m_state.Balance = bookedBalance(m_state.Balance, m_state.GameResult, m_state.GameNo);

        const QString results = resultsFile();
        const QString& player = m_state.PlayerName;
        const SystemFacts& facts = m_services.facts;
        IniWriteInt(results, player, QStringLiteral("Состояние"), m_state.Balance);
        IniWriteInt(results, player, QStringLiteral("Игра"), m_state.GameNo);
        IniWriteStr(results, player, QStringLiteral("Инфо"),
                    facts.loginName + u';' + facts.networkUserName + u';' + facts.computerName);
        m_settings.WriteSettingInt(SettingsSection, QStringLiteral("Состояние"), m_state.Balance);
        m_settings.WriteSettingInt(SettingsSection, QStringLiteral("Игра"), m_state.GameNo);
    }
    if (book)
        armIdleExit();
}

void MainWindow::takeMoney()
{
    if (m_state.Winnings == 0)
        return;
    m_state.Level = 0;
    CloseGame(true, GameEnd::MoneyTaken);
    if (const int notes = banknotesForTakenMoney(m_state.Winnings); notes > 0)
        rainBanknotesAfterGame(notes);
    askPlayAgain();
}

void MainWindow::millionEnding()
{
    ShowMessageWindow(QStringLiteral("Zambrel!"),
                      millionText(m_state.Balance, m_state.GameNo, m_state.PlayerName), Maroon,
                      White);
    Wave(QStringLiteral("MILLION"), true, true);
    CloseMessageWindow();
    CloseGame(true, GameEnd::Million);
    rainBanknotesAfterGame(PrizeLadder[15] - PrizeLadder[10]);
}

void MainWindow::rainBanknotesAfterGame(int amount)
{
    // A shower may run for minutes: the idle exit counts from its end.
    idleAndPollTimer->setEnabled(false);
    Dollar(amount);
    armIdleExit();
}

void MainWindow::askPlayAgain()
{
    if (m_services.dialogs.askYesNo(QStringLiteral("%1! Cыграем еще?").arg(m_state.PlayerName)))
        newGameAction->trigger();
    else
        m_state.PlayerName.clear();
}

void MainWindow::Dollar(int amount)
{
    picture->hide();
    picture->repaint();
    MoneyWindow money(geometry());
    money.show();
    m_services.random.randomize();
    // A click or a key ends the shower at once; the money is booked already.
    const auto rain = [&] {
        for (const BanknoteRun& run : banknoteRuns(amount)) {
            const QPixmap note = renderPicture(QStringLiteral("R%1").arg(run.value));
            for (int i = 0; i < run.count; ++i) {
                if (m_services.waiter.skippableWait(NoteDelayMs))
                    return false;
                money.dropNote(note, QPoint(m_services.random.random(money.width() - 200),
                                            m_services.random.random(money.height() - 90)));
            }
        }
        return true;
    };
    const bool rainedToTheEnd = rain();
    picture->show();
    repaint();
    Wave(QStringLiteral("true"), rainedToTheEnd, rainedToTheEnd);
}

void MainWindow::Lider2(bool exportPage)
{
    if (exportPage)
        Wave(QStringLiteral("begin"), false, false);
    const QList<RankingRow> rows = RebuildRanking(resultsFile(), m_services.clock.now().date());
    topTenList->clear();
    for (const RankingRow& row : rows)
        new QTreeWidgetItem(topTenList, {row.scoreText(), row.name});
    fitTopTenColumns();
    if (exportPage) {
        WriteLiderPage(QDir::currentPath(), rows);
        m_services.shell.openDocument(QString::fromLatin1(LiderPageName));
    }
}

void MainWindow::fitTopTenColumns()
{
    // Both columns show their whole texts; the names fill the rest of the
    // list, and a long one lets the list scroll sideways.
    topTenList->resizeColumnToContents(0);
    topTenList->resizeColumnToContents(1);
    const int rest = topTenList->width() - 2 * topTenList->frameWidth() - topTenList->columnWidth(0);
    topTenList->setColumnWidth(1, std::max(topTenList->columnWidth(1), rest));
}

void MainWindow::showRanking() { Lider2(true); }

void MainWindow::resetResults()
{
    const QDate today = m_services.clock.now().date();
    const QString last = m_settings.ReadSettingStr(SettingsSection, QStringLiteral("Сброс"),
                                                   QString::fromLatin1(NeverResetText));
    if (const auto refusal = ResetRefusal(last, today)) {
        m_services.dialogs.info(*refusal);
        return;
    }
    const QString name =
        rememberNameAction->isChecked()
            ? rememberedPlayer()
            : ReadRegistryValues(m_services.facts, RegistryRoot::LocalMachine,
                                 QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion"),
                                 QStringLiteral("RegisteredOwner"));
    if (!m_services.dialogs.askYesNo(QStringLiteral("%1! Cтыдно за такие результаты ?").arg(name)))
        return;
    CloseGame(false);
    IniEraseSection(resultsFile(), name);
    m_settings.WriteSettingStr(SettingsSection, QStringLiteral("Сброс"), DateToStr(today));
    m_settings.WriteSettingInt(SettingsSection, QStringLiteral("Состояние"), 0);
    m_settings.WriteSettingInt(SettingsSection, QStringLiteral("Игра"), 0);
    m_state.PlayerName.clear();
}
