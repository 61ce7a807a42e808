// The main window between games: its commands, switches, sounds, pictures,
// links and the two ways the program ends.
#include "game_window_fixture.h"

#include "app/code_page.h"
#include "app/ladder_bar.h"
#include "platform/game_timer.h"

#include <QAction>
#include <QLabel>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QPlainTextEdit>
#include <QFrame>
#include <QToolButton>

namespace {

TEST_F(GameWindowTest, BeforeTheFirstGameOnlyTheIdleCommandsAreEnabled)
{
    for (QAction* idle : {m_form->N2, m_form->N21, m_form->N8, m_form->N13, m_form->MemoName,
                          m_form->MMZwuk, m_form->N22, m_form->N12, m_form->N10})
        EXPECT_TRUE(idle->isEnabled()) << idle->text().toStdString();
    for (QAction* lifeline : {m_form->N4, m_form->N5, m_form->N50501, m_form->N6})
        EXPECT_FALSE(lifeline->isEnabled()) << lifeline->text().toStdString();
    for (QToolButton* lifeline : {m_form->SI4, m_form->Sl1, m_form->Sl2, m_form->Sl3})
        EXPECT_FALSE(lifeline->isEnabled());
    for (QWidget* game : {static_cast<QWidget*>(m_form->Memo1), static_cast<QWidget*>(m_form->CoolBar1),
                          static_cast<QWidget*>(m_form->Panel1), static_cast<QWidget*>(m_form->Panel2)})
        EXPECT_FALSE(game->isVisible());
}

TEST_F(GameWindowTest, MenuItemsCarryTheirShortcuts)
{
    EXPECT_EQ(m_form->N2->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(m_form->N4->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(m_form->N5->shortcut(), QKeySequence(Qt::Key_F4));
    EXPECT_EQ(m_form->N50501->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(m_form->N6->shortcut(), QKeySequence(Qt::Key_F6));
    EXPECT_EQ(m_form->N8->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
    EXPECT_EQ(m_form->N50501->text(), "50 х 50");
}

TEST_F(GameWindowTest, CommandBarButtonsStandAtTheirPlacesWithTheirHints)
{
    const std::vector<std::pair<QToolButton*, int>> lefts{
        {m_form->SI7, 3},    {m_form->SI8, 61},  {m_form->SI5, 148}, {m_form->SI6, 206},
        {m_form->PzItem, 264}, {m_form->SI4, 554}, {m_form->Sl1, 612}, {m_form->Sl2, 670},
        {m_form->Sl3, 728}};
    for (const auto& [button, left] : lefts) {
        EXPECT_EQ(button->geometry(), QRect(left, 3, 58, 32)) << button->objectName().toStdString();
        EXPECT_FALSE(button->toolTip().isEmpty());
    }
    EXPECT_EQ(m_form->Sl1->toolTip(), "Пятьдесят на пятдесят");
    EXPECT_EQ(m_form->PzItem->toolTip(), "Устал? \nНажми и отдохни, будет ПАУЗА");
}

TEST_F(GameWindowTest, TheSwitchesAreReadAtStartAndStoredWhenUsed)
{
    EXPECT_TRUE(m_form->MemoName->isChecked());
    EXPECT_TRUE(m_form->MMZwuk->isChecked());
    EXPECT_EQ(m_form->SI6->toolTip(), "Выключить звук!");

    m_form->MMZwukClick();
    EXPECT_FALSE(m_form->MMZwuk->isChecked());
    EXPECT_EQ(m_form->SI6->toolTip(), "Включить звук!");
    EXPECT_TRUE(m_fakes.sound.played.contains("btnclick.wav") ||
                m_fakes.sound.played.contains("btnCLICK.wav"));
    m_form->MemoNameClick();
    EXPECT_EQ(m_settings.ReadSettingStr(SettingsSection, "NameMNU", ""), "0");
    EXPECT_EQ(m_settings.ReadSettingStr(SettingsSection, "Звук вкл.", ""), "0");

    startProgram();
    EXPECT_FALSE(m_form->MemoName->isChecked());
    EXPECT_FALSE(m_form->MMZwuk->isChecked());
    EXPECT_EQ(m_form->SI6->toolTip(), "Включить звук!");
}

TEST_F(GameWindowTest, TheMenuSwitchTogglesOnceLikeTheCommandBarButton)
{
    m_form->MMZwuk->trigger();
    EXPECT_FALSE(m_form->MMZwuk->isChecked());
    m_form->SI6->click();
    EXPECT_TRUE(m_form->MMZwuk->isChecked());
    EXPECT_EQ(m_settings.ReadSettingStr(SettingsSection, "Звук вкл.", ""), "1");
}

TEST_F(GameWindowTest, SwitchingTheNameOnAgainStoresTheCurrentName)
{
    m_form->state().PlayerName = "Вася";
    m_form->MemoNameClick();
    m_form->MemoNameClick();
    EXPECT_EQ(m_settings.ReadSettingStr(SettingsSection, "Игрок", "none"), "Вася");
    EXPECT_EQ(m_settings.ReadSettingStr(SettingsSection, "NameMNU", ""), "1");
}

TEST_F(GameWindowTest, WithSoundOffNothingPlaysAndAWaitedSoundBecomesTwoSeconds)
{
    m_form->MMZwukClick();
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

TEST_F(GameWindowTest, PicturesTakeTheirSizeAndAreCentredOnTheScreen)
{
    EXPECT_EQ(m_form->Image1->size(), QSize(130, 130));
    EXPECT_EQ(m_form->Image1->pos(), QPoint((1024 - 130) / 2, 55));
    m_form->ResImage("game");
    EXPECT_EQ(m_form->Image1->geometry(), QRect((1024 - 181) / 2, 55, 181, 126));
    m_form->ResImage("ded");
    EXPECT_EQ(m_form->Image1->size(), QSize(241, 151));
    EXPECT_TRUE(m_fakes.sound.played.contains("begin.wav"));
}

TEST_F(GameWindowTest, TheIdleExitEndsTheProgramOnlyWhileNoGameRuns)
{
    QSignalSpy ended(m_form.get(), &TForm1::terminated);
    EXPECT_TRUE(m_form->Timer2->isEnabled());
    EXPECT_EQ(m_form->Timer2->interval(), 300000);
    knownPlayer("Вася", 5000, 3);
    m_form->NewGame();
    EXPECT_FALSE(m_form->Timer2->isEnabled());
    m_form->Timer2Timer();
    EXPECT_EQ(ended.count(), 0);
    m_form->state().Level = 0;
    m_form->Timer2Timer();
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

    QSignalSpy ended(m_form.get(), &TForm1::terminated);
    m_form->SpeedItem1Click();
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
    m_form->SpeedItem1Click();
    EXPECT_EQ(m_fakes.display.requests.size(), 1u);
}

TEST_F(GameWindowTest, AClickAnywhereOnTheStatusBarExits)
{
    QSignalSpy ended(m_form.get(), &TForm1::terminated);
    QTest::mouseClick(m_form->StatusBar1, Qt::LeftButton, {}, QPoint(400, 5));
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(m_form->StatusBar1->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(GameWindowTest, AWideScreenIsNeitherChangedAtStartNorAtExit)
{
    m_form->SpeedItem1Click();
    EXPECT_TRUE(m_fakes.display.requests.empty());
}

TEST_F(GameWindowTest, LinksAndHelpOpenPagesThatShipWithTheGame)
{
    m_form->N15Click();
    m_form->N18Click();
    m_form->varnowebgroup1Click();
    m_form->N19Click();
    m_form->HelpClick();
    m_form->N17Click();
    const QString folder = "file://" + m_fakes.services.paths.programFolder;
    EXPECT_EQ(m_fakes.shell.opened,
              QStringList({folder + "support.html", folder + "sponsors.html#tavlin",
                           folder + "sponsors.html#varno", folder + "tulip.html#rules",
                           folder + "tulip.html", "mailto:?subject=Zambrel!"}));
    const QString shipped = qEnvironmentVariable("ZAMBREL_BUILD_DIR") + "/";
    for (const char* page : {"support.html", "sponsors.html", "tulip.html"})
        EXPECT_TRUE(QFile::exists(shipped + page)) << page;
}

TEST_F(GameWindowTest, TheAboutBoxStaysSixSeconds)
{
    m_form->N10Click();
    EXPECT_EQ(m_fakes.waiter.waits, std::vector<int>({6000}));
}

TEST_F(GameWindowTest, ARunTimeErrorEndsTheCommandInItsBox)
{
    QFile broken(results());
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(cp1251::encode("[Вася]\r\nИгра=12x\r\nDT=07.12.2026 10:00\r\n"));
    broken.close();
    m_form->N12->trigger();
    ASSERT_FALSE(m_fakes.dialogs.shown.isEmpty());
    EXPECT_TRUE(m_fakes.dialogs.shown.last().startsWith("runtime: '"));
    EXPECT_TRUE(m_fakes.dialogs.shown.last().endsWith("' is not a valid integer value"));
}

} // namespace
