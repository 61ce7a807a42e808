// The main window between games: its commands, switches, sounds, pictures,
// links and the two ways the program ends.
#include "support/test_folders.h"
#include "game_window_fixture.h"

#include "storage/code_page.h"
#include "app/ladder_bar.h"
#include "app/pictures.h"
#include "platform/game_timer.h"

#include <QAction>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QPlainTextEdit>
#include <QFrame>
#include <QToolButton>
#include <QUrl>

namespace {

TEST_F(GameWindowTest, BeforeTheFirstGameOnlyTheIdleCommandsAreEnabled)
{
    for (QAction* idle : {m_form->newGameAction, m_form->advertAction, m_form->exitAction, m_form->resetResultsAction, m_form->rememberNameAction,
                          m_form->soundAction, m_form->newQuestionsAction, m_form->rankingAction, m_form->aboutAction})
        EXPECT_TRUE(idle->isEnabled()) << idle->text().toStdString();
    for (QAction* lifeline : {m_form->pollAction, m_form->phoneAction, m_form->fiftyFiftyAction, m_form->takeMoneyAction})
        EXPECT_FALSE(lifeline->isEnabled()) << lifeline->text().toStdString();
    for (QToolButton* lifeline : {m_form->takeMoneyButton, m_form->fiftyFiftyButton, m_form->phoneButton, m_form->pollButton})
        EXPECT_FALSE(lifeline->isEnabled());
    for (QWidget* game : {static_cast<QWidget*>(m_form->questionText), static_cast<QWidget*>(m_form->ladder),
                          static_cast<QWidget*>(m_form->topTenPanel), static_cast<QWidget*>(m_form->pollPanel)})
        EXPECT_FALSE(game->isVisible());
}

TEST_F(GameWindowTest, MenuItemsCarryTheirShortcuts)
{
    EXPECT_EQ(m_form->newGameAction->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(m_form->pollAction->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(m_form->phoneAction->shortcut(), QKeySequence(Qt::Key_F4));
    EXPECT_EQ(m_form->fiftyFiftyAction->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(m_form->takeMoneyAction->shortcut(), QKeySequence(Qt::Key_F6));
    EXPECT_EQ(m_form->exitAction->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
    EXPECT_EQ(m_form->fiftyFiftyAction->text(), "50 х 50");
}

TEST_F(GameWindowTest, CommandBarButtonsStandAtTheirPlacesWithTheirHints)
{
    const std::vector<std::pair<QToolButton*, int>> lefts{
        {m_form->newGameButton, 3},    {m_form->exitButton, 61},  {m_form->rankingButton, 148}, {m_form->soundButton, 206},
        {m_form->pauseButton, 264}, {m_form->takeMoneyButton, 554}, {m_form->fiftyFiftyButton, 612}, {m_form->phoneButton, 670},
        {m_form->pollButton, 728}};
    for (const auto& [button, left] : lefts) {
        EXPECT_EQ(button->geometry(), QRect(left, 3, 58, 32)) << button->objectName().toStdString();
        EXPECT_FALSE(button->toolTip().isEmpty());
    }
    EXPECT_EQ(m_form->fiftyFiftyButton->toolTip(), "Пятьдесят на пятдесят");
    EXPECT_EQ(m_form->pauseButton->toolTip(), "Устал? \nНажми и отдохни, будет ПАУЗА");
}

TEST_F(GameWindowTest, TheSwitchesAreReadAtStartAndStoredWhenUsed)
{
    EXPECT_TRUE(m_form->rememberNameAction->isChecked());
    EXPECT_TRUE(m_form->soundAction->isChecked());
    EXPECT_EQ(m_form->soundButton->toolTip(), "Выключить звук!");

    m_form->toggleSound();
    EXPECT_FALSE(m_form->soundAction->isChecked());
    EXPECT_EQ(m_form->soundButton->toolTip(), "Включить звук!");
    EXPECT_TRUE(m_fakes.sound.played.contains("btnclick.wav") ||
                m_fakes.sound.played.contains("btnCLICK.wav"));
    m_form->toggleRememberName();
    EXPECT_EQ(m_settings.ReadSettingStr(SettingsSection, "NameMNU", ""), "0");
    EXPECT_EQ(m_settings.ReadSettingStr(SettingsSection, "Звук вкл.", ""), "0");

    startProgram();
    EXPECT_FALSE(m_form->rememberNameAction->isChecked());
    EXPECT_FALSE(m_form->soundAction->isChecked());
    EXPECT_EQ(m_form->soundButton->toolTip(), "Включить звук!");
}

TEST_F(GameWindowTest, TheMenuSwitchTogglesOnceLikeTheCommandBarButton)
{
    m_form->soundAction->trigger();
    EXPECT_FALSE(m_form->soundAction->isChecked());
    m_form->soundButton->click();
    EXPECT_TRUE(m_form->soundAction->isChecked());
    EXPECT_EQ(m_settings.ReadSettingStr(SettingsSection, "Звук вкл.", ""), "1");
}

TEST_F(GameWindowTest, TheSoundSwitchShowsOneStateEverywhereEvenWhenItCannotBeStored)
{
    m_settings.WriteSettingBool(SettingsSection, "Звук вкл.", true);
    ASSERT_TRUE(QFile::setPermissions(m_settings.file(), QFileDevice::ReadOwner));
    m_form->soundButton->click();
    ASSERT_TRUE(m_fakes.dialogs.shown.last().startsWith("runtime: ")) << m_fakes.dialogs.shown.last().toStdString();
    const bool on = m_form->soundAction->isChecked();
    EXPECT_EQ(m_form->soundButton->toolTip(), on ? "Выключить звук!" : "Включить звук!");
    const QString shown = on ? "tb_sound" : "tb_sound_mute";
    EXPECT_EQ(m_form->soundButton->icon().pixmap(32).toImage(),
              QIcon(picturePath(shown)).pixmap(32).toImage());
}

TEST_F(GameWindowTest, SwitchingTheNameOnAgainStoresTheCurrentName)
{
    m_form->state().PlayerName = "Вася";
    m_form->toggleRememberName();
    m_form->toggleRememberName();
    EXPECT_EQ(m_settings.ReadSettingStr(SettingsSection, "Игрок", "none"), "Вася");
    EXPECT_EQ(m_settings.ReadSettingStr(SettingsSection, "NameMNU", ""), "1");
}

TEST_F(GameWindowTest, WithSoundOffNothingPlaysAndAWaitedSoundBecomesTwoSeconds)
{
    m_form->toggleSound();
    m_fakes.sound.played.clear();
    m_form->Wave("appl", true, true);
    m_form->Wave("gong", false, false);
    EXPECT_TRUE(m_fakes.sound.played.isEmpty());
    EXPECT_EQ(m_fakes.waiter.waits, std::vector<int>({2000}));
}

TEST_F(GameWindowTest, SoundNamesAreMatchedWithoutRegardToCase)
{
    QDir().mkpath(programFile("wav"));
    QFile file(programFile("wav/btnclick.wav"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    m_form->Wave("btnCLICK", false, false);
    EXPECT_EQ(m_fakes.sound.played.last(), "btnclick.wav");
}

// The screen is 1024 pixels wide: pictures keep to the scene, as they do on
// an 800 × 600 screen.
TEST_F(GameWindowTest, PicturesTakeTheirSizeAndAreCentredOnTheScene)
{
    EXPECT_EQ(m_form->picture->size(), QSize(130, 130));
    EXPECT_EQ(m_form->picture->pos(), QPoint((800 - 130) / 2, 55));
    m_form->ResImage("game");
    EXPECT_EQ(m_form->picture->geometry(), QRect((800 - 181) / 2, 55, 181, 126));
    m_form->ResImage("ded");
    EXPECT_EQ(m_form->picture->size(), QSize(241, 151));
    EXPECT_TRUE(m_fakes.sound.played.contains("begin.wav"));
}

TEST_F(GameWindowTest, TheIdleExitEndsTheProgramOnlyWhileNoGameRuns)
{
    QSignalSpy ended(m_form.get(), &MainWindow::terminated);
    EXPECT_TRUE(m_form->idleAndPollTimer->isEnabled());
    EXPECT_EQ(m_form->idleAndPollTimer->interval(), 300000);
    knownPlayer("Вася", 5000, 3);
    m_form->NewGame();
    EXPECT_FALSE(m_form->idleAndPollTimer->isEnabled());
    m_form->idleAndPollTick();
    EXPECT_EQ(ended.count(), 0);
    m_form->state().Level = 0;
    m_form->idleAndPollTick();
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(GameWindowTest, ANarrowScreenIsSwitchedForTheGameAndRestoredAtExit)
{
    m_fakes.display.size = QSize(640, 480);
    startProgram();
    ASSERT_EQ(m_fakes.display.requests.size(), 1u);
    EXPECT_FALSE(m_fakes.display.requests[0].permanent);
    EXPECT_EQ(m_fakes.display.size, QSize(800, 600));
    EXPECT_TRUE(m_fakes.dialogs.shown.isEmpty());

    QSignalSpy ended(m_form.get(), &MainWindow::terminated);
    m_form->exitGame();
    ASSERT_EQ(m_fakes.display.requests.size(), 2u);
    EXPECT_EQ(m_fakes.display.size, QSize(640, 480));
    EXPECT_TRUE(m_fakes.display.requests[1].permanent);
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(GameWindowTest, AScreenThatCannotBeSwitchedGetsTheWarningAndIsLeftAlone)
{
    m_fakes.display.size = QSize(640, 480);
    m_fakes.display.allowChanges = false;
    startProgram();
    EXPECT_EQ(m_fakes.dialogs.shown,
              QStringList({"info: Внимание: \rПрограмма расчитана для работы с экраном 800x600!"}));
    m_form->exitGame();
    EXPECT_EQ(m_fakes.display.requests.size(), 1u);
}

TEST_F(GameWindowTest, AClickAnywhereOnTheStatusBarExits)
{
    QSignalSpy ended(m_form.get(), &MainWindow::terminated);
    QTest::mouseClick(m_form->exitStatusBar, Qt::LeftButton, {}, QPoint(400, 5));
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(m_form->exitStatusBar->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(GameWindowTest, AWideScreenIsNeitherChangedAtStartNorAtExit)
{
    m_form->exitGame();
    EXPECT_TRUE(m_fakes.display.requests.empty());
}

TEST_F(GameWindowTest, LinksAndHelpOpenPagesThatShipWithTheGame)
{
    m_form->openSupportPage();
    m_form->openSponsorPage();
    m_form->openWebGroupPage();
    m_form->openRulesPage();
    m_form->openHelp();
    m_form->writeLetter();
    const QString folder = "file://" + m_fakes.services.paths.programFolder;
    EXPECT_EQ(m_fakes.shell.opened,
              QStringList({folder + "support.html", folder + "sponsors.html#tavlin",
                           folder + "sponsors.html#varno", folder + "tulip.html#rules",
                           folder + "tulip.html", "mailto:?subject=Zambrel!"}));
    const QString shipped = buildFolder() + "/";
    for (const char* page : {"support.html", "sponsors.html", "tulip.html"})
        EXPECT_TRUE(QFile::exists(shipped + page)) << page;
}

TEST_F(GameWindowTest, PagesOpenFromAProgramFolderWhoseNameLooksLikeAnAddress)
{
    const QString folder = m_dir.path() + "/Игры #1? 100% /";
    m_fakes.services.paths.programFolder = folder;
    m_form->openRulesPage();
    m_form->openHelp();
    ASSERT_EQ(m_fakes.shell.opened.size(), 2);
    const QUrl rules(m_fakes.shell.opened[0]);
    EXPECT_EQ(rules.toLocalFile(), folder + "tulip.html");
    EXPECT_EQ(rules.fragment(), "rules");
    const QUrl help(m_fakes.shell.opened[1]);
    EXPECT_EQ(help.toLocalFile(), folder + "tulip.html");
    EXPECT_FALSE(help.hasFragment());
    EXPECT_FALSE(help.hasQuery());
}

TEST_F(GameWindowTest, TheAboutBoxStaysSixSeconds)
{
    m_form->showAbout();
    EXPECT_EQ(m_fakes.waiter.waits, std::vector<int>({6000}));
}

TEST_F(GameWindowTest, ARunTimeErrorEndsTheCommandInItsBox)
{
    QFile broken(results());
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(cp1251::encode("[Вася]\r\nИгра=12x\r\nDT=07.12.2026 10:00\r\n"));
    broken.close();
    m_form->rankingAction->trigger();
    ASSERT_FALSE(m_fakes.dialogs.shown.isEmpty());
    EXPECT_TRUE(m_fakes.dialogs.shown.last().startsWith("runtime: '"));
    EXPECT_TRUE(m_fakes.dialogs.shown.last().endsWith("' is not a valid integer value"));
}

} // namespace
