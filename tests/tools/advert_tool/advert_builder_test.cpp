// A clips folder built into tulip.dat: the manifest and its pages together,
// every problem found before anything is written, and the tool's exit
// status and messages as an author sees them.
#include "advert_builder.h"
#include "storage/app_error.h"
#include "storage/ini_file.h"
#include "storage/whole_file.h"
#include "support/qt_printers.h"
#include "support/test_folders.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class AdvertBuilderTest : public testing::Test {
protected:
    QString clips() const { return m_dir.path(); }
    QString data() const { return m_dir.filePath("out/tulip.dat"); }
    void writeFile(const QString& name, const QByteArray& content) const {
        QFile file(m_dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QString refusal() const {
        try {
            AdvertBuilder::Build(clips(), data());
        } catch (const AppError& error) {
            return error.text();
        }
        return {};
    }

    void SetUp() override { ASSERT_TRUE(QDir(m_dir.path()).mkdir("out")); }

    QTemporaryDir m_dir;
};

struct ToolRun {
    int exitCode;
    QByteArray err;
};

ToolRun tool(const QStringList& args) {
    QProcess process;
    process.start(buildFolder() + "/zambrel-adverts", args);
    const bool finished = process.waitForFinished(60000);
    return {finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError()};
}

} // namespace

TEST_F(AdvertBuilderTest, TheClipsOfTheManifestLandInTulipDatInItsOrder) {
    writeFile("clips.txt", "# two\nICO7 | tulip.html#ladder | | b.rtf\nICO1 | | | a.rtf\n");
    writeFile("a.rtf", "{\\rtf1 Пауза}\n");
    writeFile("b.rtf", "{\\rtf1 Лестница}\n");
    AdvertBuilder::Build(clips(), data());
    EXPECT_EQ(IniReadInt(data(), "COMMON", "MAX", 1), 2);
    EXPECT_EQ(IniReadStr(data(), "COMMON", "F1", ";;"), "ICO7;tulip.html#ladder;");
    EXPECT_EQ(IniReadStr(data(), "COMMON", "F2", ";;"), "ICO1;;");
    QStringList first;
    IniSectionLines(data(), "F1", first);
    EXPECT_EQ(first, QStringList{"{\\rtf1 \\'cb\\'e5\\'f1\\'f2\\'ed\\'e8\\'f6\\'e0}"});
}

TEST_F(AdvertBuilderTest, TheBuiltFileIsPureAscii) {
    writeFile("clips.txt", "ICO1 | | | a.rtf\n");
    writeFile("a.rtf", "{\\rtf1 Ёлка — «ёж» → ♥}\n");
    AdvertBuilder::Build(clips(), data());
    const QByteArray content = *readWholeFile(data());
    EXPECT_TRUE(std::all_of(content.begin(), content.end(), [](char c) { return uchar(c) < 0x80; }))
        << content.toStdString();
}

TEST_F(AdvertBuilderTest, AMissingClipFileIsRefusedWithTheManifestLine) {
    writeFile("clips.txt", "ICO1 | | | a.rtf\n\nICO2 | | | gone.rtf\n");
    writeFile("a.rtf", "{\\rtf1 A}\n");
    EXPECT_EQ(refusal(), QStringLiteral("%1:3: there is no clip file %2")
                             .arg(m_dir.filePath("clips.txt"), m_dir.filePath("gone.rtf")));
}

TEST_F(AdvertBuilderTest, AMissingManifestIsRefused) {
    EXPECT_EQ(refusal(), "Cannot find file " + m_dir.filePath("clips.txt"));
}

TEST_F(AdvertBuilderTest, EveryProblemOfTheManifestAndThePagesIsNamedAtOnce) {
    writeFile("clips.txt", "ICO9 | | | a.rtf\nICO1 | | | b.rtf\n");
    writeFile("a.rtf", "{\\rtf1 A}\n");
    writeFile("b.rtf", "{\\rtf1\n[B]\n}\n");
    const QStringList problems = refusal().split(u'\n');
    ASSERT_EQ(problems.size(), 2) << problems.join(u'\n').toStdString();
    EXPECT_TRUE(problems[0].startsWith(m_dir.filePath("clips.txt") + ":1: the icon"));
    EXPECT_TRUE(problems[1].startsWith(m_dir.filePath("b.rtf") + ":2: a line may not begin"));
}

TEST_F(AdvertBuilderTest, ARefusedFolderLeavesTheExistingFileAsItWas) {
    const QByteArray before = "[COMMON]\r\nAddFaq-1-4=;faq01.dbf\r\nMAX=k\r\n";
    writeFile("out/tulip.dat", before);
    writeFile("clips.txt", "ICO1 | | | a.rtf\n");
    writeFile("a.rtf", "no rtf\n");
    EXPECT_FALSE(refusal().isEmpty());
    EXPECT_EQ(readWholeFile(data()), before);
}

TEST_F(AdvertBuilderTest, TheToolFailsWithTheProblemOnItsErrorOutput) {
    writeFile("clips.txt", "ICO1 | a;b | | a.rtf\n");
    writeFile("a.rtf", "{\\rtf1 A}\n");
    const ToolRun run = tool({"build", clips(), data()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, ("zambrel-adverts: " + m_dir.filePath("clips.txt") +
                        ":1: the web address holds \";\", which the game takes for the end of it\n")
                           .toUtf8());
    EXPECT_FALSE(QFile::exists(data()));
}

TEST_F(AdvertBuilderTest, TheToolRefusesAWrongCommandLineWithItsUsage) {
    const ToolRun run = tool({"build", clips()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.startsWith("Usage:"));
}
