// What a game leaves in the results file and the settings, the ranking
// beside the game and on its web page, and the reset of one's results.
#include "game_window_fixture.h"

#include "storage/code_page.h"
#include "storage/scramble.h"

#include <QAction>
#include <QFile>
#include <QStyle>
#include <QTreeWidget>

namespace {

QByteArray scrambled(int n) { return ScrambleText(QByteArray::number(n)); }

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(GameWindowTest, ABookedGameLeavesItsSectionInTheResultsFileByteForByte)
{
    m_fakes.dialogs.inputAnswers = {QStringLiteral("Вася"), QStringLiteral("Тверь")};
    m_form->NewGame();
    climbTo(4);
    m_form->takeMoney();  // takes 300 roubles: 100 + 300 - the 100 lent
    const QByteArray expected = cp1251::encode("[Вася]\r\nМесто=Тверь\r\nDT=08.12.2026 12:00\r\n"
                                               "Состояние=") +
                                scrambled(300) + cp1251::encode("\r\nИгра=") + scrambled(1) +
                                cp1251::encode("\r\nИнфо=vasya;vasya;studio\r\n");
    EXPECT_EQ(fileBytes(results()), expected);
    EXPECT_EQ(m_settings.ReadSettingStr(SettingsSection, "Состояние", ""), "300");
    EXPECT_EQ(m_settings.ReadSettingStr(SettingsSection, "Игра", ""), "1");
    EXPECT_EQ(m_settings.ReadSettingStr(SettingsSection, "Место", ""), "Тверь");
}

TEST_F(GameWindowTest, NamesThatCouldBreakTheResultsFileKeepOtherPlayersWhole)
{
    knownPlayer("Петя", 700, 2);
    m_settings.WriteSettingStr(SettingsSection, "Игрок", "");
    m_fakes.dialogs.inputAnswers = {QStringLiteral("<script>]\n[Петя]=;"), QStringLiteral("Омск")};
    m_form->NewGame();
    EXPECT_EQ(state().PlayerName, "<script>) (Петя)=;");
    answerWrong();
    EXPECT_EQ(IniReadInt(results(), "Петя", "Состояние", 0), 700);
    EXPECT_EQ(IniReadInt(results(), "<script>) (Петя)=;", "Состояние", -1), 90);
}

TEST_F(GameWindowTest, TheRankingFillsTheListAtNewGameAndTheTopTenPageOnRequest)
{
    knownPlayer("Петя", 900, 3);
    knownPlayer("Вася", 5000, 2);
    m_form->NewGame();
    ASSERT_EQ(m_form->topTenList->topLevelItemCount(), 2);
    EXPECT_EQ(m_form->topTenList->topLevelItem(0)->text(0), "2500");
    EXPECT_EQ(m_form->topTenList->topLevelItem(0)->text(1), "Вася");
    EXPECT_TRUE(m_form->topTenList->isVisible());

    m_form->showRanking();
    EXPECT_EQ(m_fakes.shell.opened.last(), "lider.html");
    const QString page = cp1251::decode(fileBytes(QDir::current().filePath("lider.html")));
    EXPECT_TRUE(page.contains("<tr><td>2500</td><td>Вася</td><td>5000</td>"));
    EXPECT_TRUE(page.endsWith("</table>\r\n</HTML>\r\n"));
    EXPECT_TRUE(m_fakes.sound.played.contains("begin.wav"));
}

TEST_F(GameWindowTest, TheTopTenListShowsWholeScoresAndWholeNames)
{
    knownPlayer("Вася", 2010000, 10);
    knownPlayer(QString(40, u'Ж'), 1000000, 1);
    m_form->NewGame();
    QTreeWidget* list = m_form->topTenList;
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "1000000");
    // As the list lays out a cell: the text between its focus margins.
    const int margins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    for (int row : {0, 1})
        for (int column : {0, 1}) {
            const QString text = list->topLevelItem(row)->text(column);
            EXPECT_GE(list->columnWidth(column), list->fontMetrics().horizontalAdvance(text) + margins)
                << text.toStdString();
        }
}

TEST_F(GameWindowTest, PlayersWithoutARightAnswerForAMonthAreDroppedAtNewGame)
{
    knownPlayer("Петя", 900, 3);
    IniWriteStr(results(), "Петя", "DT", "07.11.2026 10:00");  // 31 days ago
    knownPlayer("Вася", 5000, 2);
    m_form->NewGame();
    EXPECT_EQ(IniReadStr(results(), "Петя", "Место", "gone"), "gone");
    EXPECT_EQ(m_form->topTenList->topLevelItemCount(), 1);
}

TEST_F(GameWindowTest, TheResetWipesTheRememberedPlayerAndWaitsFiveDays)
{
    knownPlayer("Вася", 5000, 4);
    m_fakes.dialogs.yesNoAnswers = {true};
    m_form->resetResults();
    EXPECT_EQ(m_fakes.dialogs.shown.last(), "ask: Вася! Cтыдно за такие результаты ?");
    EXPECT_EQ(IniReadStr(results(), "Вася", "Место", "gone"), "gone");
    EXPECT_EQ(m_settings.ReadSettingStr(SettingsSection, "Сброс", ""), "08.12.2026");
    EXPECT_EQ(m_settings.ReadSettingInt(SettingsSection, "Состояние", -1), 0);
    EXPECT_EQ(m_settings.ReadSettingInt(SettingsSection, "Игра", -1), 0);
    EXPECT_TRUE(state().PlayerName.isEmpty());

    m_fakes.clock.current = m_fakes.clock.current.addDays(4);
    m_form->resetResults();
    EXPECT_EQ(m_fakes.dialogs.shown.last(),
              "info: Вы можете обнулить свой результат\rтолько после 12.12.2026");
    m_fakes.clock.current = m_fakes.clock.current.addDays(1);
    m_form->resetResults();
    EXPECT_TRUE(m_fakes.dialogs.shown.last().startsWith("ask: "));
}

TEST_F(GameWindowTest, WithoutTheNameSwitchTheResetTakesTheRegisteredOwner)
{
    knownPlayer("Василий Пупкин", 300, 2);
    knownPlayer("Вася", 5000, 4);
    m_form->toggleRememberName();
    m_fakes.dialogs.yesNoAnswers = {true};
    m_form->resetResults();
    EXPECT_EQ(IniReadStr(results(), "Василий Пупкин", "Место", "gone"), "gone");
    EXPECT_EQ(IniReadStr(results(), "Вася", "Место", "gone"), "Тула");
}

TEST_F(GameWindowTest, AnsweringNoToTheResetChangesNothing)
{
    knownPlayer("Вася", 5000, 4);
    m_form->resetResults();
    EXPECT_EQ(IniReadInt(results(), "Вася", "Состояние", 0), 5000);
    EXPECT_EQ(m_settings.ReadSettingStr(SettingsSection, "Сброс", "none"), "none");
}

} // namespace
