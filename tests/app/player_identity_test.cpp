// One player is one section of the results file and one row of the ranking,
// whatever name he types or the game remembers; and nobody plays with money
// another player won.
#include "game_window_fixture.h"

#include "storage/code_page.h"

#include <QAction>
#include <QFile>
#include <QTreeWidget>

namespace {

class PlayerIdentityTest : public GameWindowTest {
protected:
    QStringList sectionsOfTheResultsFile() const
    {
        QFile file(results());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList sections;
        for (const QByteArray& line : file.readAll().split('\n'))
            if (line.startsWith('['))
                sections << cp1251::decode(line.trimmed());
        return sections;
    }

    // A game lost at the second question, "No" to another, so that the next
    // game settles the name afresh.
    void playAGameAs(const QString& typedName)
    {
        m_fakes.dialogs.inputAnswers = {typedName, QStringLiteral("Тверь")};
        m_form->NewGame();
        answerRight();
        answerWrong();
    }

    // The account the settings keep of the last booked game, and whose it was.
    void lastBookedGameWas(const QString& player, int balance, int games)
    {
        m_settings.WriteSettingStr(SettingsSection, "Игрок", player);
        m_settings.WriteSettingInt(SettingsSection, "Состояние", balance);
        m_settings.WriteSettingInt(SettingsSection, "Игра", games);
    }

    void expectOnePlayerAfterTwoGames(const QString& typedName)
    {
        playAGameAs(typedName);
        playAGameAs(typedName);
        const QStringList sections = sectionsOfTheResultsFile();
        ASSERT_EQ(sections.size(), 1) << sections.join(u' ').toStdString();
        const QString section = sections.first().mid(1, sections.first().size() - 2);
        EXPECT_EQ(IniReadInt(results(), section, "Игра", 0), 2);
        EXPECT_EQ(IniReadStr(results(), section, "Место", ""), "Тверь");
        m_form->Lider2(false);
        EXPECT_EQ(m_form->topTenList->topLevelItemCount(), 1);
        EXPECT_LE(section.size(), 40);
    }
};

TEST_F(PlayerIdentityTest, AwkwardNamesStayOnePlayerWhetherRememberedOrTyped)
{
    const QStringList awkward{QStringLiteral("Вася]"),         QStringLiteral("[Вася]"),
                              QStringLiteral("\"Вася\""),      QStringLiteral("'Вася'"),
                              QStringLiteral("  Вася  "),      QStringLiteral("Вася\nПетров"),
                              QString(50, u'Ж'),               QStringLiteral("Вася\U0001F600"),
                              QStringLiteral("\"Вася\" и 'Петя'")};
    for (const bool remembered : {true, false}) {
        for (const QString& name : awkward) {
            SCOPED_TRACE((remembered ? "remembered: " : "typed: ") + name.toStdString());
            QFile::remove(results());
            m_settings.WriteSettingStr(SettingsSection, "Игрок", "");
            if (m_form->rememberNameAction->isChecked() != remembered)
                m_form->toggleRememberName();
            expectOnePlayerAfterTwoGames(name);
        }
    }
}

TEST_F(PlayerIdentityTest, AHandEditedRememberedNameOfAnyLengthNamesOneSection)
{
    m_settings.WriteSettingStr(SettingsSection, "Игрок", QString(3000, u'Ж'));
    m_settings.WriteSettingInt(SettingsSection, "Состояние", 700);
    m_settings.WriteSettingInt(SettingsSection, "Игра", 2);
    m_form->NewGame();
    EXPECT_EQ(state().PlayerName, QString(40, u'Ж'));
    EXPECT_EQ(state().Balance, 700);
    answerWrong();
    m_form->NewGame();
    EXPECT_EQ(state().Balance, 630);
    EXPECT_EQ(state().GameNo, 4);
    EXPECT_EQ(sectionsOfTheResultsFile(), QStringList({"[" + QString(40, u'Ж') + "]"}));
}

TEST_F(PlayerIdentityTest, APlayerWithoutANameLeavesNoSection)
{
    m_fakes.dialogs.inputAnswers = {QString(), QStringLiteral("Тверь")};
    m_form->NewGame();
    answerRight();
    answerWrong();
    EXPECT_TRUE(sectionsOfTheResultsFile().isEmpty());
}

TEST_F(PlayerIdentityTest, ANewNameDoesNotTakeTheMoneyOfTheLastBookedPlayer)
{
    m_form->toggleRememberName();  // each player types his name
    lastBookedGameWas("Вася", 5000, 3);
    m_fakes.dialogs.inputAnswers = {QStringLiteral("Петя"), QStringLiteral("Омск")};
    m_form->NewGame();
    EXPECT_EQ(state().Balance, 100);
    EXPECT_EQ(state().GameNo, 1);
    EXPECT_TRUE(m_fakes.dialogs.shown.join("\n").contains("Даю тебе 100 рублей"));
}

TEST_F(PlayerIdentityTest, AfterOnePlayerWentBankruptANewNameIsNotRefused)
{
    m_form->toggleRememberName();
    lastBookedGameWas("Вася", 0, 4);
    m_fakes.dialogs.inputAnswers = {QStringLiteral("Петя"), QStringLiteral("Омск")};
    m_form->NewGame();
    EXPECT_EQ(state().Level, 1);
    EXPECT_FALSE(m_fakes.dialogs.shown.join("\n").contains("БАНКРОТ"));
}

TEST_F(PlayerIdentityTest, TheRememberedPlayerWithoutARecordTakesTheSettingsAccount)
{
    lastBookedGameWas("вася", 5000, 3);
    m_fakes.dialogs.inputAnswers = {QStringLiteral("Омск")};
    m_form->NewGame();
    EXPECT_EQ(state().Balance, 5000);
    EXPECT_EQ(state().GameNo, 4);
    EXPECT_FALSE(m_fakes.dialogs.shown.join("\n").contains("Даю тебе 100 рублей"));
}

} // namespace
