// The INI files must read and write exactly as the Windows profile functions
// do, so files written by either side stay valid for the other.
#include "bounded_child.h"
#include "storage/app_error.h"
#include "storage/atomic_file.h"
#include "storage/code_page.h"
#include "storage/ini_file.h"
#include "storage/write_point.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    QString path(const QString& name = QStringLiteral("tulip.lst")) const
    {
        return m_dir.filePath(name);
    }
    void writeBytes(const QByteArray& bytes, const QString& name = QStringLiteral("tulip.lst"))
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readBytes(const QString& name = QStringLiteral("tulip.lst")) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The temporary files of writes to tulip.lst that are still there.
    QStringList temporaryFiles() const
    {
        return QDir(m_dir.path())
            .entryList({QStringLiteral(".tulip.lst.??????")}, QDir::Files | QDir::Hidden);
    }

    QTemporaryDir m_dir;
};

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefaultWithoutTrailingSpaces)
{
    EXPECT_EQ(IniReadStr(path(), "A", "k", "def  "), "def");
    writeBytes("[A]\r\nk=1\r\n");
    EXPECT_EQ(IniReadStr(path(), "B", "k", "x"), "x");
    EXPECT_EQ(IniReadStr(path(), "A", "other", " x"), " x");
    EXPECT_EQ(IniReadInt(path(), "A", "other", 7), 7);
}

TEST_F(IniFileTest, ReadingTrimsUnquotesAndMatchesNamesWithoutRegardToCase)
{
    writeBytes(cp1251::encode(QStringLiteral(
        "  [ Вася ]  \n\tКлюч =  \"в кавычках\"  \r;k=comment\rk = a=b;c\r\n"
        "q='x\"\n[вася]\nk=second section\n")));
    EXPECT_EQ(IniReadStr(path(), "ВАСЯ", "ключ", ""), "в кавычках");
    EXPECT_EQ(IniReadStr(path(), "вася", "K", ""), "a=b;c");
    EXPECT_EQ(IniReadStr(path(), "вася", "q", ""), "'x\"");
}

TEST_F(IniFileTest, KeyWithEmptyValueReadsEmptyAndLinesBeforeAnySectionAreUnreachable)
{
    writeBytes("orphan=1\r\n[S]\r\nempty=\r\nnovalue\r\n");
    EXPECT_EQ(IniReadStr(path(), "S", "empty", "def"), "");
    EXPECT_EQ(IniReadStr(path(), "S", "novalue", "def"), "def");
    EXPECT_EQ(IniReadStr(path(), "", "orphan", "def"), "def");
}

TEST_F(IniFileTest, ValuesAndDefaultsAreCutAt2047Characters)
{
    writeBytes("[S]\r\nlong=" + QByteArray(3000, 'x') + "\r\n");
    EXPECT_EQ(IniReadStr(path(), "S", "long", "").size(), 2047);
    EXPECT_EQ(IniReadStr(path(), "S", "none", QString(2100, u'y')).size(), 2047);
}

TEST_F(IniFileTest, WritingKeepsEveryUntouchedLineByteForByte)
{
    const QByteArray before = "; header comment\n[A]\nfirst = 1\n\n;c\n[B]\r\nKey=old\r\nz=9";
    writeBytes(before);
    IniWriteStr(path(), "b", "key", "new");
    EXPECT_EQ(readBytes(), "; header comment\n[A]\nfirst = 1\n\n;c\n[B]\r\nKey=new\r\nz=9");
    IniWriteStr(path(), "A", "second", "2");
    EXPECT_EQ(readBytes(),
              "; header comment\n[A]\nfirst = 1\nsecond=2\r\n\n;c\n[B]\r\nKey=new\r\nz=9");
    IniWriteStr(path(), "C", "k", "v");
    EXPECT_EQ(readBytes(), "; header comment\n[A]\nfirst = 1\nsecond=2\r\n\n;c\n[B]\r\nKey="
                           "new\r\nz=9\r\n[C]\r\nk=v\r\n");
}

TEST_F(IniFileTest, WritingCreatesAMissingFileInCodePage1251)
{
    IniWriteStr(path(), QStringLiteral("Игрок"), QStringLiteral("Место"), QStringLiteral("Москва"));
    EXPECT_EQ(readBytes(), cp1251::encode(QStringLiteral("[Игрок]\r\nМесто=Москва\r\n")));
}

TEST_F(IniFileTest, LineBreaksInAWrittenValueCannotSplitTheFile)
{
    IniWriteStr(path(), "S", "k", "one\r\n[Other]\ntwo");
    EXPECT_EQ(IniReadStr(path(), "S", "k", ""), "one  [Other] two");
    EXPECT_EQ(IniReadStr(path(), "Other", "k", "none"), "none");
}

TEST_F(IniFileTest, ScrambledIntegersRoundTripAndAreNotPlainDigits)
{
    IniWriteInt(path(), "S", "n", -10);
    const QByteArray stored = readBytes();
    EXPECT_FALSE(stored.contains("-10"));
    const QByteArray value = stored.mid(stored.indexOf("n=") + 2, 3);
    for (const char c : value) {
        EXPECT_GT(static_cast<unsigned char>(c), 0x20);
        EXPECT_NE(c, '"');
        EXPECT_NE(c, '\'');
    }
    EXPECT_EQ(stored, "[S]\r\nn=" + value + "\r\n");
    EXPECT_EQ(IniReadInt(path(), "S", "n", 0), -10);
    for (const int n : {0, 7, 123456789, -2147483647 - 1, 2147483647}) {
        IniWriteInt(path(), "S", "n", n);
        EXPECT_EQ(IniReadInt(path(), "S", "n", 0), n);
    }
}

TEST_F(IniFileTest, EmptyIntegerGivesTheDefaultAndGarbageIsAnError)
{
    writeBytes("[S]\r\nempty=\r\nplain=123\r\n");
    EXPECT_EQ(IniReadInt(path(), "S", "empty", 42), 42);
    try {
        IniReadInt(path(), "S", "plain", 0);
        FAIL() << "unscrambled digits are no valid scrambled integer";
    } catch (const AppError& e) {
        EXPECT_EQ(e.text(), "'khi' is not a valid integer value");
    }
}

TEST_F(IniFileTest, SectionLinesNeedTheExactHeaderAndKeepEmptyLines)
{
    writeBytes("[common]\r\nlower\r\n[COMMON]\r\n{\\rtf1\r\n\r\nline=2\r\n[F1]\r\nnext\r\n");
    QStringList lines{"kept"};
    IniSectionLines(path(), "COMMON", lines);
    EXPECT_EQ(lines, QStringList({"kept", "{\\rtf1", "", "line=2"}));
    QStringList none;
    IniSectionLines(path(), "Common", none);
    EXPECT_TRUE(none.isEmpty());
}

TEST_F(IniFileTest, SectionLinesOfAMissingFileIsAFileError)
{
    QStringList lines;
    try {
        IniSectionLines(path("tulip.dat"), "F1", lines);
        FAIL();
    } catch (const AppError& e) {
        EXPECT_EQ(e.text(), "Cannot open file " + path("tulip.dat"));
    }
}

TEST_F(IniFileTest, ErasingASectionRemovesOnlyItsHeaderAndKeys)
{
    writeBytes("[A]\r\na=1\r\n[B]\r\n;note\r\nb=2\r\n\r\n[C]\r\nc=3\r\n[B]\r\nb=again\r\n");
    IniEraseSection(path(), "b");
    EXPECT_EQ(readBytes(), "[A]\r\na=1\r\n\r\n[C]\r\nc=3\r\n[B]\r\nb=again\r\n");
    EXPECT_EQ(IniReadStr(path(), "B", "b", ""), "again");
}

TEST_F(IniFileTest, AnUnwritableFileIsAnErrorAndStaysUnchanged)
{
    writeBytes("[S]\r\nk=1\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(path()).constData(), 0444), 0);
    try {
        IniWriteStr(path(), "S", "k", "2");
        FAIL();
    } catch (const AppError& e) {
        EXPECT_EQ(e.text(), "Unable to write to " + path());
    }
    EXPECT_EQ(readBytes(), "[S]\r\nk=1\r\n");

    const QString inFile = path() + "/below.lst";
    EXPECT_THROW(IniWriteInt(inFile, "S", "k", 1), AppError);
}

TEST_F(IniFileTest, AnUnreadableFileIsRefusedAndNeverOverwritten)
{
    if (runningAsRoot())
        GTEST_SKIP() << "permission bits do not keep root from reading";
    writeBytes("[A]\r\nk=1\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(path()).constData(), 0), 0);
    const QString refusal = "Cannot open file " + path();
    EXPECT_EQ(errorOf([&] { IniReadStr(path(), "A", "k", ""); }), refusal);
    EXPECT_EQ(errorOf([&] { IniWriteStr(path(), "B", "k", "2"); }), refusal);
    EXPECT_EQ(errorOf([&] { IniEraseSection(path(), "A"); }), refusal);
    ASSERT_EQ(::chmod(QFile::encodeName(path()).constData(), 0644), 0);
    EXPECT_EQ(readBytes(), "[A]\r\nk=1\r\n");
}

TEST_F(IniFileTest, AFolderInPlaceOfTheFileIsRefusedByEveryReadAndWrite)
{
    ASSERT_TRUE(QDir().mkdir(path()));
    const QString refusal = "Cannot open file " + path();
    EXPECT_EQ(errorOf([&] { IniReadStr(path(), "A", "k", ""); }), refusal);
    EXPECT_EQ(errorOf([&] { IniReadInt(path(), "A", "k", 0); }), refusal);
    EXPECT_EQ(errorOf([&] { IniWriteStr(path(), "A", "k", "v"); }), refusal);
    EXPECT_EQ(errorOf([&] { IniWriteInt(path(), "A", "k", 1); }), refusal);
    EXPECT_EQ(errorOf([&] { IniEraseSection(path(), "A"); }), refusal);
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(IniFileTest, APipeInPlaceOfTheFileIsRefusedWithoutWaitingForAWriter)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path()).constData(), 0644), 0);
    const QString refusal = "Cannot open file " + path();
    EXPECT_TRUE(holdsInBoundedChild([&] {
        return errorOf([&] { IniReadStr(path(), "A", "k", ""); }) == refusal &&
               errorOf([&] { IniWriteStr(path(), "A", "k", "v"); }) == refusal;
    }));
    EXPECT_FALSE(QFileInfo(path()).isFile());
}

TEST_F(IniFileTest, ADeviceInPlaceOfTheFileIsRefused)
{
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), path("tulip.dat")));
    const QString refusal = "Cannot open file " + path("tulip.dat");
    QStringList lines;
    EXPECT_EQ(errorOf([&] { IniSectionLines(path("tulip.dat"), "F1", lines); }), refusal);
    EXPECT_EQ(errorOf([&] { IniReadStr(path("tulip.dat"), "F1", "k", ""); }), refusal);
}

TEST_F(IniFileTest, AWriteThroughALinkReplacesTheLinkedFileAndKeepsTheLinkAndTheMode)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("shared"));
    writeBytes("[A]\r\nk=1\r\n", "shared/tulip.lst");
    ASSERT_EQ(::chmod(QFile::encodeName(path("shared/tulip.lst")).constData(), 0640), 0);
    ASSERT_EQ(::symlink("shared/tulip.lst", QFile::encodeName(path("near.lst")).constData()), 0);
    ASSERT_EQ(::symlink("near.lst", QFile::encodeName(path()).constData()), 0);

    IniWriteStr(path(), "A", "k", "2");
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
    EXPECT_TRUE(QFileInfo(path("near.lst")).isSymLink());
    EXPECT_EQ(readBytes("shared/tulip.lst"), "[A]\r\nk=2\r\n");
    EXPECT_EQ(QFileInfo(path("shared/tulip.lst")).permissions(),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser |
                  QFile::ReadGroup);
}

TEST_F(IniFileTest, AWriteThroughALinkToNoFileYetCreatesTheLinkedFile)
{
    ASSERT_EQ(::symlink(QFile::encodeName(path("elsewhere.lst")).constData(),
                        QFile::encodeName(path()).constData()),
              0);
    IniWriteStr(path(), "A", "k", "1");
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
    EXPECT_EQ(readBytes("elsewhere.lst"), "[A]\r\nk=1\r\n");
}

// Runs write, a replacement of a file, and ends the process with code 3 at
// its last write point, when its temporary file is written in full.
void crashBeforeTheRename(const std::function<void()>& write)
{
    static int passed = 0;
    WritePoint::setWatcher([] {
        if (++passed == 2)
            ::_exit(3);
    });
    write();
}

TEST_F(IniFileTest, ACrashBeforeTheRenameLeavesTheOldFileWhole)
{
    writeBytes("[S]\r\nk=old\r\n");
    const QString file = path();
    EXPECT_EXIT(crashBeforeTheRename([&] { replaceFileAtomically(file, "[S]\r\nk=new\r\n"); }),
                ::testing::ExitedWithCode(3), "");
    EXPECT_EQ(readBytes(), "[S]\r\nk=old\r\n");
    EXPECT_EQ(IniReadStr(file, "S", "k", ""), "old");
}

TEST_F(IniFileTest, TemporaryFilesLeftByKilledWritesAreRemovedByTheNextWrite)
{
    writeBytes("[S]\r\nk=old\r\n");
    const QString file = path();
    for (int kill = 0; kill < 3; ++kill) {
        EXPECT_EXIT(
            crashBeforeTheRename([&] { replaceFileAtomically(file, "[S]\r\nk=lost\r\n"); }),
            ::testing::ExitedWithCode(3), "");
        EXPECT_EQ(temporaryFiles().size(), 1);
    }
    IniWriteStr(file, "S", "k", "new");
    EXPECT_EQ(temporaryFiles(), QStringList());
    EXPECT_EQ(readBytes(), "[S]\r\nk=new\r\n");
}

TEST_F(IniFileTest, OnlyTemporaryFilesOfTheWrittenFileThatNoWriteHoldsAreRemoved)
{
    const QStringList kept{".tulip.lst.Busy42", ".tulip.lst.keep", ".tulip.lst.Ab-123",
                           ".tulip.dat.Qw1234", "tulip.lst.Zx4567"};
    for (const QString& name : kept + QStringList{".tulip.lst.AbC123"})
        writeBytes("[S]\r\nk=half\r\n", name);
    // Another copy of the game is writing this one right now.
    QFile busy(path(".tulip.lst.Busy42"));
    ASSERT_TRUE(busy.open(QIODevice::ReadWrite));
    ASSERT_EQ(::flock(busy.handle(), LOCK_EX | LOCK_NB), 0);

    IniWriteStr(path(), "S", "k", "v");
    EXPECT_FALSE(QFile::exists(path(".tulip.lst.AbC123")));
    for (const QString& name : kept)
        EXPECT_TRUE(QFile::exists(path(name))) << name.toStdString();
}

} // namespace
