// The settings store keeps the player's switches and counters between runs.
#include "bounded_child.h"
#include "storage/app_error.h"
#include "storage/code_page.h"
#include "storage/settings_store.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    QByteArray storedBytes() const
    {
        QFile f(m_store.file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

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

TEST_F(SettingsStoreTest, AnUnreadableStoreReadsDefaultsAndIsNeverOverwritten)
{
    if (runningAsRoot())
        GTEST_SKIP() << "permission bits do not keep root from reading";
    m_store.WriteSettingBool(SettingsSection, "NameMNU", false);
    const QByteArray before = storedBytes();
    ASSERT_EQ(::chmod(QFile::encodeName(m_store.file()).constData(), 0), 0);
    EXPECT_TRUE(m_store.ReadSettingBool(SettingsSection, "NameMNU", true));
    EXPECT_EQ(errorOf([&] { m_store.WriteSettingInt(SettingsSection, "Ответ", 1); }),
              "Cannot open file " + m_store.file());
    ASSERT_EQ(::chmod(QFile::encodeName(m_store.file()).constData(), 0644), 0);
    EXPECT_EQ(storedBytes(), before);
}

TEST_F(SettingsStoreTest, APipeInPlaceOfTheStoreIsNeitherWaitedForNorReplaced)
{
    ASSERT_TRUE(QDir().mkpath(m_dir.filePath("ZeZoza")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(m_store.file()).constData(), 0644), 0);
    EXPECT_TRUE(holdsInBoundedChild([&] {
        return m_store.ReadSettingInt(SettingsSection, "Реклама", 5) == 5 &&
               errorOf([&] { m_store.WriteSettingInt(SettingsSection, "Реклама", 6); }) ==
                   "Cannot open file " + m_store.file();
    }));
    EXPECT_FALSE(QFileInfo(m_store.file()).isFile());
}

TEST_F(SettingsStoreTest, AStoreThatIsALinkStaysALinkToTheWrittenFile)
{
    ASSERT_TRUE(QDir().mkpath(m_dir.filePath("ZeZoza")));
    ASSERT_TRUE(QDir().mkpath(m_dir.filePath("dotfiles")));
    ASSERT_EQ(::symlink("../dotfiles/Zambrel.ini", QFile::encodeName(m_store.file()).constData()), 0);
    m_store.WriteSettingInt(SettingsSection, "Ответ", 3);
    m_store.WriteSettingInt(SettingsSection, "Звук", 4);
    EXPECT_TRUE(QFileInfo(m_store.file()).isSymLink());
    QFile linked(m_dir.filePath("dotfiles/Zambrel.ini"));
    ASSERT_TRUE(linked.open(QIODevice::ReadOnly));
    EXPECT_EQ(cp1251::decode(linked.readAll()), "[Zambrel]\r\nОтвет=3\r\nЗвук=4\r\n");
}

} // namespace
