// The settings store keeps the player's switches and counters between runs.
#include "storage/app_error.h"
#include "storage/code_page.h"
#include "storage/settings_store.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    SettingsStore m_store{m_dir.filePath("ZeZoza/Zambrel.ini")};
};

TEST_F(SettingsStoreTest, AFreshInstallationGivesTheDefaults)
{
    EXPECT_EQ(m_store.ReadSettingInt(SettingsSection, "Реклама", 5), 5);
    EXPECT_TRUE(m_store.ReadSettingBool(SettingsSection, "NameMNU", true));
    EXPECT_EQ(m_store.ReadSettingStr(SettingsSection, "Сброс", "01.01.2000"), "01.01.2000");
}

TEST_F(SettingsStoreTest, ValuesAreStoredAsPlainTextInTheirFolder)
{
    m_store.WriteSettingBool(SettingsSection, "NameMNU", false);
    m_store.WriteSettingInt(SettingsSection, "Реклама", 13);
    m_store.WriteSettingStr(SettingsSection, "Игрок", "Вася");
    QFile f(m_store.file());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(cp1251::decode(f.readAll()),
              "[Zambrel]\r\nNameMNU=0\r\nРеклама=13\r\nИгрок=Вася\r\n");
    EXPECT_FALSE(m_store.ReadSettingBool(SettingsSection, "NameMNU", true));
    EXPECT_EQ(m_store.ReadSettingInt(SettingsSection, "Реклама", 5), 13);
}

TEST_F(SettingsStoreTest, TextThatIsNoIntegerReadsAsTheDefault)
{
    m_store.WriteSettingStr(SettingsSection, "Ответ", "много");
    EXPECT_EQ(m_store.ReadSettingInt(SettingsSection, "Ответ", 0), 0);
    EXPECT_TRUE(m_store.ReadSettingBool(SettingsSection, "Ответ", true));
}

TEST_F(SettingsStoreTest, AGarbageFileKeepsItsOtherKeysWhenOneIsWritten)
{
    QDir().mkpath(m_dir.filePath("ZeZoza"));
    QFile f(m_store.file());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("\x00\xff garbage\n", 11) +
            cp1251::encode(QStringLiteral("[Zambrel]\nЗвук вкл.=0\n")));
    f.close();
    m_store.WriteSettingInt(SettingsSection, "Ответ", 3);
    EXPECT_FALSE(m_store.ReadSettingBool(SettingsSection, "Звук вкл.", true));
    EXPECT_EQ(m_store.ReadSettingInt(SettingsSection, "Ответ", 0), 3);
}

TEST_F(SettingsStoreTest, AStoreThatCannotBeCreatedIsAnErrorAndReadsDefaults)
{
    QFile blocker(m_dir.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore store(m_dir.filePath("blocker/ZeZoza/Zambrel.ini"));
    try {
        store.WriteSettingBool(SettingsSection, "Звук вкл.", false);
        FAIL();
    } catch (const AppError& e) {
        EXPECT_EQ(e.text(), "Failed to create key Zambrel");
    }
    EXPECT_TRUE(store.ReadSettingBool(SettingsSection, "Звук вкл.", true));
}

} // namespace
