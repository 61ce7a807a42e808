// Two copies of the game may write one INI file at the same moment: each
// write reads the whole file, changes it and replaces it, so without a lock
// one copy would undo what the other has just written.
#include "bounded_child.h"
#include "storage/file_write_lock.h"
#include "storage/ini_file.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <future>
#include <optional>
#include <thread>

namespace {

constexpr int Increments = 300;

// One copy of the game: counts up a key both copies share and a key of its own.
bool countUp(const QString& file, const QString& ownKey)
{
    for (int i = 1; i <= Increments; ++i) {
        IniEdit(file, [](IniDocument& document) {
            const int count = document.value("S", "count").value_or("0").toInt();
            document.setValue("S", "count", QByteArray::number(count + 1));
            return true;
        });
        IniWriteInt(file, "S", ownKey, i);
    }
    return true;
}

TEST(FileWriteLock, TwoCopiesCountingUpOneFileLoseNeitherACountNorAKey)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("Zambrel.ini");
    const pid_t first = startBoundedChild([&] { return countUp(file, "first"); }, 120);
    const pid_t second = startBoundedChild([&] { return countUp(file, "second"); }, 120);
    EXPECT_TRUE(boundedChildSucceeded(first));
    EXPECT_TRUE(boundedChildSucceeded(second));
    EXPECT_EQ(IniReadStr(file, "S", "count", ""), QString::number(2 * Increments));
    EXPECT_EQ(IniReadInt(file, "S", "first", 0), Increments);
    EXPECT_EQ(IniReadInt(file, "S", "second", 0), Increments);
}

TEST(FileWriteLock, AWriteWaitsForTheOtherCopysTurnToEndAndThenWrites)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("tulip.lst");
    std::optional<FileWriteLock> otherCopy(std::in_place, file);
    ASSERT_TRUE(otherCopy->held());
    // A thread, since a child process would inherit the other copy's lock.
    // Its wait is bounded by the lock's own deadline.
    auto writer = std::async(std::launch::async, [&] {
        return errorOf([&] { IniWriteStr(file, "Вася", "Место", "Тула"); });
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(QFile::exists(file));
    otherCopy.reset();
    EXPECT_EQ(writer.get(), "no error");
    EXPECT_EQ(IniReadStr(file, "Вася", "Место", ""), "Тула");
}

TEST(FileWriteLock, AWriteGivesUpWithTheUsualErrorWhenTheLockIsNotLetGoInTime)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("tulip.lst");
    IniWriteStr(file, "S", "k", "old");
    const FileWriteLock otherCopy(file);
    ASSERT_TRUE(otherCopy.held());
    QElapsedTimer waited;
    waited.start();
    EXPECT_EQ(errorOf([&] { IniWriteStr(file, "S", "k", "new"); }), "Unable to write to " + file);
    EXPECT_GE(waited.elapsed(), FileWriteLock::DefaultWait.count());
    EXPECT_LT(waited.elapsed(), FileWriteLock::DefaultWait.count() + 3000);
    EXPECT_EQ(IniReadStr(file, "S", "k", ""), "old");
}

TEST(FileWriteLock, TheLockIsOneSmallHiddenFileBesideTheFileTheLinksName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("shared"));
    const QString link = dir.filePath("tulip.lst");
    ASSERT_TRUE(QFile::link("shared/tulip.lst", link));
    for (int i = 0; i < 3; ++i)
        IniWriteInt(link, "S", "k", i);
    const auto entries = [](const QString& folder) {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                      QDir::NoDotAndDotDot);
    };
    EXPECT_EQ(entries(dir.path()), QStringList({"shared", "tulip.lst"}));
    EXPECT_EQ(entries(dir.filePath("shared")), QStringList({".tulip.lst.lock", "tulip.lst"}));
    EXPECT_EQ(QFileInfo(dir.filePath("shared/.tulip.lst.lock")).size(), 0);
}

} // namespace
