// The settings store must land in the player's own folder whatever the
// environment the game was started from.
#include "platform/home_folder.h"
#include "support/qt_printers.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <optional>

#include <pwd.h>
#include <unistd.h>

namespace {

// Sets environment variables for one test and puts the old values back.
class HomeFolderTest : public ::testing::Test {
protected:
    ~HomeFolderTest() override
    {
        set("HOME", m_home);
        set("XDG_CONFIG_HOME", m_configHome);
        set("XDG_DATA_HOME", m_dataHome);
    }

    static void set(const char* name, const std::optional<QByteArray>& value)
    {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }

    // The home folder the system keeps for this user.
    static QString passwordHome()
    {
        const passwd* entry = ::getpwuid(::getuid());
        return entry ? QString::fromLocal8Bit(entry->pw_dir) : QString();
    }

private:
    static std::optional<QByteArray> saved(const char* name)
    {
        return qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    }

    std::optional<QByteArray> m_home = saved("HOME");
    std::optional<QByteArray> m_configHome = saved("XDG_CONFIG_HOME");
    std::optional<QByteArray> m_dataHome = saved("XDG_DATA_HOME");
};

TEST_F(HomeFolderTest, HomeIsTheHomeFolderWhenSet)
{
    set("HOME", "/home/player");
    set("XDG_CONFIG_HOME", std::nullopt);
    EXPECT_EQ(homeFolder(), "/home/player");
    EXPECT_EQ(userConfigFolder(), "/home/player/.config");
}

TEST_F(HomeFolderTest, WithoutHomeThePasswordDatabaseGivesTheHomeFolder)
{
    ASSERT_FALSE(passwordHome().isEmpty());
    set("XDG_CONFIG_HOME", std::nullopt);
    const std::optional<QByteArray> unset;
    for (const std::optional<QByteArray>& home : {unset, std::optional(QByteArray())}) {
        set("HOME", home);
        EXPECT_EQ(homeFolder(), passwordHome());
        EXPECT_EQ(userConfigFolder(), passwordHome() + "/.config");
    }
}

TEST_F(HomeFolderTest, OnlyAnAbsoluteXdgConfigHomeReplacesTheConfigFolder)
{
    set("HOME", "/home/player");
    set("XDG_CONFIG_HOME", "/srv/config");
    EXPECT_EQ(userConfigFolder(), "/srv/config");
    for (const QByteArray& ignored : {QByteArray(), QByteArray("relative/config")}) {
        set("XDG_CONFIG_HOME", ignored);
        EXPECT_EQ(userConfigFolder(), "/home/player/.config") << ignored.toStdString();
    }
}

TEST_F(HomeFolderTest, OnlyAnAbsoluteXdgDataHomeReplacesTheDataFolder)
{
    set("HOME", "/home/player");
    set("XDG_DATA_HOME", std::nullopt);
    EXPECT_EQ(userDataFolder(), "/home/player/.local/share");
    set("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(userDataFolder(), "/srv/data");
    for (const QByteArray& ignored : {QByteArray(), QByteArray("relative/data"), QByteArray("~/data")}) {
        set("XDG_DATA_HOME", ignored);
        EXPECT_EQ(userDataFolder(), "/home/player/.local/share") << ignored.toStdString();
    }
}

TEST_F(HomeFolderTest, TheDataFolderFollowsTheHomeFolderFromThePasswordDatabase)
{
    ASSERT_FALSE(passwordHome().isEmpty());
    set("HOME", std::nullopt);
    set("XDG_DATA_HOME", std::nullopt);
    EXPECT_EQ(userDataFolder(), passwordHome() + "/.local/share");
}

} // namespace
