// The advertisement breaks of a game: every fourteenth answer before its
// verdict, and whenever the player asks for one.
#include "game_window_fixture.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTest>

namespace {

class AdvertBreakTest : public GameWindowTest {
protected:
    void SetUp() override
    {
        GameWindowTest::SetUp();
        QByteArray clips = "[COMMON]\r\nF1=ICO1;;\r\nF2=ICO2;;\r\n";
        for (const QByteArray n : {"1", "2"})
            clips += "[F" + n + "]\r\n{\\rtf1\\ansi clip " + n + "\\par}\r\n";
        QFile file(dataFile(QStringLiteral("tulip.dat")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(clips);
        file.close();
        IniWriteInt(dataFile(QStringLiteral("tulip.dat")), "COMMON", "MAX", 2);
    }
};

TEST_F(AdvertBreakTest, TheFourteenthAnswerBreaksForAdvertisingBeforeItsVerdict)
{
    m_settings.WriteSettingInt(SettingsSection, QStringLiteral("Реклама"), 13);
    startProgram();
    knownPlayer(QStringLiteral("Вася"), 1000, 4);
    m_form->NewGame();
    QStringList messagesDuringBreak;
    m_breaks.onBreak = [&] { messagesDuringBreak = m_messages; };
    answerRight();
    ASSERT_EQ(m_breaks.breaks, 1);
    EXPECT_EQ(m_breaks.pages, QStringList{"clip 1"});
    ASSERT_FALSE(messagesDuringBreak.isEmpty());
    EXPECT_EQ(messagesDuringBreak.last(),
              "А правильный это ответ или нет, Вы узнаете после РЕКЛАМЫ!|#ffff00|#000000");
    EXPECT_GT(m_messages.size(), messagesDuringBreak.size());  // the verdict came after
    EXPECT_EQ(m_settings.ReadSettingInt(SettingsSection, "Реклама", -1), 0);
    EXPECT_EQ(state().Level, 2);

    // The next thirteen answers bring no break, the fourteenth the next clip.
    climbTo(15);
    EXPECT_EQ(m_breaks.breaks, 1);
    answerRight();
    EXPECT_EQ(m_breaks.pages, (QStringList{"clip 1", "clip 2"}));
}

TEST_F(AdvertBreakTest, TheMenuAndADoubleClickOnThePictureShowTheNextClip)
{
    m_form->advertAction->trigger();
    QTest::mouseDClick(m_form->picture, Qt::LeftButton);
    EXPECT_EQ(m_breaks.pages, (QStringList{"clip 1", "clip 2"}));
    EXPECT_EQ(IniReadInt(m_fakes.services.paths.windowsFolder + "tulip.ini", "Zambrel!", "Ролик", 0), 3);
}

} // namespace
