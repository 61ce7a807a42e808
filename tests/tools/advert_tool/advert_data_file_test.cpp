// tulip.dat written with the clips, read back the way the advertisement
// window reads it, and the merged question packs of a player kept through
// every rebuild.
#include "advert_data_file.h"
#include "storage/app_error.h"
#include "storage/ini_file.h"
#include "storage/whole_file.h"
#include "support/qt_printers.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QList<AdvertClip> ThreeClips = {
    {"ICO1;tulip.html#pause;", {"{\\rtf1", "", "\\'cf\\'e0\\'f3\\'e7\\'e0\\par", "}"}},
    {";;", {"{\\rtf1 B}"}},
    {"ICO8;;friend@example.org", {"{\\rtf1 C}"}},
};

class AdvertDataFileTest : public testing::Test {
protected:
    QString path() const { return m_dir.filePath("tulip.dat"); }
    void writeFile(const QByteArray& content) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QByteArray content() const { return readWholeFile(path()).value_or(QByteArray()); }
    QStringList clipLines(int n) const {
        QStringList lines;
        IniSectionLines(path(), "F" + QString::number(n), lines);
        return lines;
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(AdvertDataFileTest, TheGameReadsTheNumberOfClipsTheirLinksAndTheirPagesBack) {
    AdvertDataFile::Write(path(), ThreeClips);
    EXPECT_EQ(IniReadInt(path(), "COMMON", "MAX", 1), 3);
    EXPECT_EQ(IniReadStr(path(), "COMMON", "F1", ";;"), "ICO1;tulip.html#pause;");
    EXPECT_EQ(IniReadStr(path(), "COMMON", "F2", "missing"), ";;");
    EXPECT_EQ(IniReadStr(path(), "COMMON", "F3", ";;"), "ICO8;;friend@example.org");
    EXPECT_EQ(clipLines(1), (QStringList{"{\\rtf1", "", "\\'cf\\'e0\\'f3\\'e7\\'e0\\par", "}"}));
    EXPECT_EQ(clipLines(2), QStringList{"{\\rtf1 B}"});
    EXPECT_EQ(clipLines(3), QStringList{"{\\rtf1 C}"});
}

TEST_F(AdvertDataFileTest, TheNumberOfClipsIsStoredScrambledAsEveryIntegerOfTheGame) {
    AdvertDataFile::Write(path(), ThreeClips);
    EXPECT_TRUE(content().contains("\r\nMAX=i\r\n")) << content().toStdString(); // "3" XOR 0x5A
}

TEST_F(AdvertDataFileTest, TheMergedQuestionPacksOfAPlayerAreKept) {
    writeFile("[COMMON]\r\nAddFaq-1-4=;faq01.dbf;faq02.dbf\r\n");
    AdvertDataFile::Write(path(), ThreeClips);
    EXPECT_EQ(IniReadStr(path(), "COMMON", "AddFaq-1-4", ""), ";faq01.dbf;faq02.dbf");
    EXPECT_EQ(IniReadInt(path(), "COMMON", "MAX", 1), 3);
}

TEST_F(AdvertDataFileTest, ARebuildReplacesTheOldClipsAndKeepsEverythingElse) {
    writeFile("; made by hand\r\n"
              "[common]\r\nMAX=o\r\nF1=ICO2;old.html;\r\nAddFaq-1-4=;faq07.dbf\r\nSound=on\r\nF5="
              "ICO5;;\r\n"
              "[F1]\r\n{\\rtf1 old one}\r\n"
              "[Notes]\r\nkeep=me\r\n"
              "[F5]\r\n{\\rtf1 old five}\r\n");
    AdvertDataFile::Write(path(), ThreeClips);
    EXPECT_EQ(IniReadInt(path(), "COMMON", "MAX", 1), 3);
    EXPECT_EQ(IniReadStr(path(), "COMMON", "F1", ";;"), "ICO1;tulip.html#pause;");
    EXPECT_EQ(IniReadStr(path(), "COMMON", "F5", "gone"), "gone");
    EXPECT_EQ(IniReadStr(path(), "COMMON", "AddFaq-1-4", ""), ";faq07.dbf");
    EXPECT_EQ(IniReadStr(path(), "COMMON", "Sound", ""), "on");
    EXPECT_EQ(IniReadStr(path(), "Notes", "keep", ""), "me");
    EXPECT_TRUE(content().startsWith("; made by hand\r\n"));
    EXPECT_EQ(clipLines(1), QStringList{"{\\rtf1"} << ""
                                                   << "\\'cf\\'e0\\'f3\\'e7\\'e0\\par"
                                                   << "}");
    EXPECT_TRUE(clipLines(5).isEmpty());
    EXPECT_FALSE(content().contains("old"));
}

TEST_F(AdvertDataFileTest, BuildingTwiceGivesTheSameFile) {
    writeFile("[COMMON]\r\nAddFaq-1-4=;faq01.dbf\r\n");
    AdvertDataFile::Write(path(), ThreeClips);
    const QByteArray first = content();
    AdvertDataFile::Write(path(), ThreeClips);
    EXPECT_EQ(content(), first);
}

TEST_F(AdvertDataFileTest, AFolderThatCannotBeWrittenFailsWithTheGamesWriteError) {
    const QString missing = m_dir.filePath("no/such/folder/tulip.dat");
    try {
        AdvertDataFile::Write(missing, ThreeClips);
        FAIL() << "written into a missing folder";
    } catch (const AppError& error) {
        EXPECT_EQ(error.text(), "Unable to write to " + missing);
    }
}
