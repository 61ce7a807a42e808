// A portable game keeps rewriting its files where they lie; an installed one
// gives each player his own copy once and never takes it from him again, and
// a player without any place to write is told so instead of losing his games.
#include "bounded_child.h"
#include "storage/app_error.h"
#include "storage/atomic_file.h"
#include "storage/game_folders.h"
#include "storage/write_point.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class GameFoldersTest : public ::testing::Test {
protected:
    GameFoldersTest()
    {
        QDir().mkpath(program());
        writeBytes(program() + "TULIP.DBF", "shipped questions");
        writeBytes(program() + "tulip.lst", "[Вася]\r\n");
        writeBytes(program() + "tulip.dat", "[COMMON]\r\n");
    }

    QString program() const { return m_dir.filePath("game") + u'/'; }
    QString user() const { return m_dir.filePath("home/.local/share/zambrel") + u'/'; }
    ProgramFolder installed() const { return {program(), true}; }

    static void writeBytes(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
        f.write(bytes);
    }
    static QByteArray readBytes(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // Every file in folder with its content, hidden ones too.
    static QStringList contentsOf(const QString& folder)
    {
        QStringList found;
        const QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name))
            found << name + u'=' + QString::fromUtf8(readBytes(dir.filePath(name)));
        return found;
    }

    QTemporaryDir m_dir;
};

TEST_F(GameFoldersTest, TheQuestionTableBesideTheGameMarksAPortableFolderElseTheInstalledOneIsUsed)
{
    const ProgramFolder portable = locateProgramFolder(m_dir.filePath("game"), "../share/zambrel");
    EXPECT_EQ(portable.folder, program());
    EXPECT_FALSE(portable.installed);

    QDir().mkpath(m_dir.filePath("usr/bin"));
    const ProgramFolder system = locateProgramFolder(m_dir.filePath("usr/bin"), "../share/zambrel");
    EXPECT_EQ(system.folder, m_dir.filePath("usr/share/zambrel/"));
    EXPECT_TRUE(system.installed);
}

TEST_F(GameFoldersTest, AWritablePortableFolderKeepsThePlayersFilesWhereTheyLie)
{
    EXPECT_EQ(preparePlayerDataFolder({program(), false}, user()), program());
    EXPECT_FALSE(QFileInfo::exists(user()));
}

TEST_F(GameFoldersTest, TheFirstStartOfAnInstalledGameCopiesThePlayersFilesWhole)
{
    // The program folder could be written here, as by an administrator.
    ASSERT_TRUE(QFileInfo(program()).isWritable());
    const QStringList shipped = contentsOf(program());
    EXPECT_EQ(preparePlayerDataFolder(installed(), user()), user());
    EXPECT_EQ(contentsOf(user()), shipped);
    EXPECT_EQ(contentsOf(program()), shipped);
}

TEST_F(GameFoldersTest, LaterStartsKeepThePlayersCopiesAndOnlyFillInWhatIsMissing)
{
    preparePlayerDataFolder(installed(), user());
    writeBytes(user() + "TULIP.DBF", "rotated answers");
    writeBytes(user() + "tulip.lst", "[Петя]\r\n");
    QFile::remove(user() + "tulip.dat");
    writeBytes(program() + "TULIP.DBF", "an update's questions");

    EXPECT_EQ(preparePlayerDataFolder(installed(), user()), user());
    EXPECT_EQ(contentsOf(user()), QStringList({"TULIP.DBF=rotated answers", "tulip.dat=[COMMON]\r\n",
                                               "tulip.lst=[Петя]\r\n"}));
}

TEST_F(GameFoldersTest, FilesThatDoNotShipAreNotMadeUp)
{
    QFile::remove(program() + "tulip.lst");
    QFile::remove(program() + "tulip.dat");
    preparePlayerDataFolder(installed(), user());
    EXPECT_EQ(contentsOf(user()), QStringList({"TULIP.DBF=shipped questions"}));
}

TEST_F(GameFoldersTest, APortableFolderWithAReadOnlyPlayerFileGivesThePlayerACopy)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not keep root from writing";
    QFile::setPermissions(program() + "TULIP.DBF", QFile::ReadOwner);
    EXPECT_EQ(preparePlayerDataFolder({program(), false}, user()), user());
    EXPECT_EQ(readBytes(user() + "TULIP.DBF"), "shipped questions");
}

TEST_F(GameFoldersTest, ACopyCutShortByACrashIsNeverTakenForAWholeOne)
{
    QDir().mkpath(user());
    const QString copy = user() + "TULIP.DBF";
    // The crash comes at the last step before the copy gets its name.
    EXPECT_EXIT(
        {
            static int passed = 0;
            WritePoint::setWatcher([] {
                if (++passed == 2)
                    _exit(3);
            });
            createFileAtomically(copy, "shipped questions");
        },
        ::testing::ExitedWithCode(3), "");
    EXPECT_FALSE(QFileInfo::exists(copy));

    preparePlayerDataFolder(installed(), user());
    EXPECT_EQ(contentsOf(user()), contentsOf(program()));
}

TEST_F(GameFoldersTest, ACopyNeverReplacesAFileThatAppearedMeanwhile)
{
    QDir().mkpath(user());
    const QString copy = user() + "TULIP.DBF";
    // Another copy of the game finishes its copy while this one writes.
    static QString other;
    other = copy;
    WritePoint::setWatcher([] { writeBytes(other, "the other copy's table"); });
    const bool created = createFileAtomically(copy, "shipped questions");
    WritePoint::setWatcher(nullptr);
    EXPECT_FALSE(created);
    EXPECT_EQ(contentsOf(user()), QStringList({"TULIP.DBF=the other copy's table"}));
}

TEST_F(GameFoldersTest, WithoutAnyPlaceToWriteThePlayerIsToldWhere)
{
    // Not even an administrator makes a folder inside a plain file.
    writeBytes(m_dir.filePath("home"), "a file, not a folder");
    const QString message = errorOf([&] { preparePlayerDataFolder(installed(), user()); });
    EXPECT_TRUE(message.startsWith("Игре негде хранить вопросы и результаты игроков")) << message.toStdString();
    EXPECT_TRUE(message.contains(program())) << message.toStdString();
    EXPECT_TRUE(message.contains(user())) << message.toStdString();
}

TEST_F(GameFoldersTest, AReadOnlyDataFolderIsToldAboutBeforeAnyGame)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not keep root from writing";
    preparePlayerDataFolder(installed(), user());
    QFile::setPermissions(user(), QFile::ReadOwner | QFile::ExeOwner);
    const QString message = errorOf([&] { preparePlayerDataFolder(installed(), user()); });
    QFile::setPermissions(user(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(message.contains(user())) << message.toStdString();
}

} // namespace
