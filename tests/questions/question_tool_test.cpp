// The authors' tool as they run it: build, dump and check, their outputs and
// exit codes.
#include "support/test_folders.h"
#include "questions/question_codec.h"
#include "storage/code_page.h"
#include "support/qt_printers.h"
#include "table_maker.h"

#include <QFile>
#include <QProcess>

#include <array>

#include <gtest/gtest.h>

namespace {

QString dataFile(const QString& name) {
    return testDataFolder() + "/questions/" + name;
}

struct ToolRun {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

ToolRun tool(const QStringList& args) {
    QProcess process;
    process.start(buildFolder() + "/zambrel-questions",
                  args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

// A table's bytes without the date of its last update and its change stamp,
// which only say when it was written.
QByteArray withoutWriteTime(QByteArray table) {
    table.replace(1, 3, QByteArray(3, '\0'));
    table.replace(16, 4, QByteArray(4, '\0'));
    return table;
}

QByteArray storedText(const char* text) {
    return StoreStr(cp866::encode(QString::fromUtf8(text)));
}

MadeRecord questionOf(const QByteArray& level, const std::array<const char*, 5>& texts) {
    MadeRecord record{{level}};
    for (const char* text : texts)
        record.values.push_back(storedText(text));
    record.values.push_back("1");
    return record;
}

TEST(QuestionTool, BuildThenDumpGivesTheSheetBackByteForByte) {
    QTemporaryDir dir;
    const QString table = dir.filePath("TULIP.DBF");
    ASSERT_EQ(tool({"build", dataFile("sample.tsv"), table}).exitCode, 0);
    const ToolRun dump = tool({"dump", table});
    EXPECT_EQ(dump.exitCode, 0);
    EXPECT_EQ(dump.out, readAll(dataFile("sample.tsv")));
}

TEST(QuestionTool, ASheetSavedByASpreadsheetBuildsTheSameTableAsThePlainSheet) {
    QTemporaryDir dir;
    const QString plain = dir.filePath("PLAIN.DBF");
    const QString saved = dir.filePath("SAVED.DBF");
    ASSERT_EQ(tool({"build", dataFile("sample.tsv"), plain}).exitCode, 0);
    const ToolRun build = tool({"build", dataFile("sample_spreadsheet.tsv"), saved});
    ASSERT_EQ(build.exitCode, 0) << build.err.toStdString();
    EXPECT_EQ(withoutWriteTime(readAll(saved)), withoutWriteTime(readAll(plain)));
}

TEST(QuestionTool, ASpreadsheetSheetBuiltDumpedAndBuiltAgainGivesAnIdenticalTable) {
    QTemporaryDir dir;
    const QString first = dir.filePath("FIRST.DBF");
    const QString second = dir.filePath("SECOND.DBF");
    ASSERT_EQ(tool({"build", dataFile("sample_spreadsheet.tsv"), first}).exitCode, 0);
    const ToolRun dump = tool({"dump", first});
    ASSERT_EQ(dump.exitCode, 0);
    writeAll(dir.filePath("dumped.tsv"), dump.out);
    const ToolRun build = tool({"build", dir.filePath("dumped.tsv"), second});
    ASSERT_EQ(build.exitCode, 0) << build.err.toStdString();
    EXPECT_EQ(withoutWriteTime(readAll(second)), withoutWriteTime(readAll(first)));
}

TEST(QuestionTool, ASheetWithoutQuestionsIsAFailureAndWritesNothing) {
    QTemporaryDir dir;
    const QString sheet = dir.filePath("empty.tsv");
    writeAll(sheet, "level\tquestion\tA\tB\tC\tD\tright\r\n\r\n");
    const QString table = dir.filePath("TULIP.DBF");
    const ToolRun build = tool({"build", sheet, table});
    EXPECT_EQ(build.exitCode, 1);
    EXPECT_EQ(build.err, "zambrel-questions: the sheet holds no questions\n");
    EXPECT_FALSE(QFile::exists(table));
}

TEST(QuestionTool, DumpShowsTheTextsAsTheGameShowsThem) {
    QTemporaryDir dir;
    const ToolRun dump =
        tool({"dump", TableMaker::Questions()
                          .record(questionOf("7", {"Сколько будет √16?", "4", "8", "■", "░ 16 ░"}))
                          .write(dir)});
    EXPECT_EQ(dump.exitCode, 0);
    EXPECT_EQ(dump.out, "level\tquestion\tA\tB\tC\tD\tright\n"
                        "7\tСколько будет v16?\t4\t8\t¦\t- 16 -\tA\n");
}

TEST(QuestionTool, DumpAllMatchesTheKnownGoodSheetWithDeletedMarks) {
    const ToolRun dump = tool({"dump", "--all", dataFile("sample_deleted.dbf")});
    EXPECT_EQ(dump.exitCode, 0);
    EXPECT_EQ(dump.out, readAll(dataFile("sample_deleted_all.tsv")));
}

TEST(QuestionTool, DumpLeavesDeletedQuestionsOut) {
    const ToolRun dump = tool({"dump", dataFile("sample_deleted.dbf")});
    EXPECT_EQ(dump.out.count('\n'), readAll(dataFile("sample.tsv")).count('\n') - 2);
}

TEST(QuestionTool, RefusedSheetWritesNothing) {
    QTemporaryDir dir;
    const QString sheet = dir.filePath("bad.tsv");
    writeAll(sheet, readAll(dataFile("sample.tsv")) + "16\tq\ta\tb\tc\td\tA\n");
    const QString table = dir.filePath("TULIP.DBF");
    const ToolRun fresh = tool({"build", sheet, table});
    EXPECT_EQ(fresh.exitCode, 1);
    EXPECT_TRUE(fresh.err.contains("line 19: level '16'")) << fresh.err.toStdString();
    EXPECT_FALSE(QFile::exists(table));

    writeAll(table, "players' table");
    EXPECT_EQ(tool({"build", sheet, table}).exitCode, 1);
    EXPECT_EQ(readAll(table), "players' table");
}

TEST(QuestionTool, CheckCountsTheQuestionsOfEachLevel) {
    QTemporaryDir dir;
    const QString table = dir.filePath("TULIP.DBF");
    ASSERT_EQ(tool({"build", dataFile("sample.tsv"), table}).exitCode, 0);
    const ToolRun check = tool({"check", table});
    EXPECT_EQ(check.exitCode, 0) << check.err.toStdString();
    EXPECT_TRUE(check.out.startsWith("level\tquestions\n1\t2\n2\t1\n"));
    EXPECT_TRUE(check.out.endsWith("\n15\t2\n"));
}

TEST(QuestionTool, CheckFailsWhenALevelHasNoActiveQuestion) {
    const ToolRun check = tool({"check", dataFile("sample_deleted.dbf")});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_EQ(check.err, "level 3 has no question\n");
}

TEST(QuestionTool, CheckFailsOnAMalformedRecord) {
    QTemporaryDir dir;
    const auto stored = [](const char* text) { return StoreStr(cp866::encode(text)); };
    const auto question = [&](const char* level, const QByteArray& text, const char* right) {
        return MadeRecord{{level, text, stored("а"), stored("б"), stored("в"), stored("г"), right}};
    };
    TableMaker maker = TableMaker::Questions();
    for (int level = 1; level <= 15; ++level)
        maker.record(question(QByteArray::number(level), stored("Вопрос"), "1"));
    maker.record(question("16", stored("Вопрос"), "1"));
    maker.record(question("3", stored("Вопрос"), "7"));
    maker.record(question("3", stored("Вопрос\x05"), "1"));
    maker.record(question("3", stored("Вопрос"), "x"));
    const ToolRun check = tool({"check", maker.write(dir)});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_EQ(check.err, "record 16: level 16 is outside 1..15\n"
                         "record 17: right answer 7 is outside 1..4\n"
                         "record 18: the question does not decode to printable text\n"
                         "record 19: 'x' is not a valid integer value - " +
                             dir.filePath("TULIP.DBF").toUpper().toUtf8() + "->ZN\n");
}

TEST(QuestionTool, CheckFailsOnAnswersAPlayerCannotSeeOrTellApart) {
    QTemporaryDir dir;
    TableMaker maker = TableMaker::Questions();
    for (int level = 1; level <= 15; ++level)
        if (level != 3)
            maker.record(questionOf(QByteArray::number(level), {"Вопрос", "а", "б", "в", "г"}));
    maker.record(questionOf("3", {"Вопрос", "а", "", "в", "г"}));
    maker.record(questionOf("3", {"Вопрос", "а", "б", "   ", "г"}));
    maker.record(questionOf("3", {"Вопрос", " а", "б", "а ", "г"}));
    maker.record(questionOf("3", {"Вопрос", "а", "v", "в", "√"}));
    maker.record(questionOf("3", {"", "а", "б", "в", "г"}));
    const ToolRun check = tool({"check", maker.write(dir)});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_EQ(check.err, "record 15: answer B: the text is empty\n"
                         "record 16: answer C: the text shows nothing but spaces\n"
                         "record 17: answers A and C read the same\n"
                         "record 18: answers B and D read the same\n"
                         "record 19: the question: the text is empty\n"
                         "level 3 has no question\n");
}

TEST(QuestionTool, ExitCodesTellUsageFromFailure) {
    EXPECT_EQ(tool({"--help"}).exitCode, 0);
    EXPECT_EQ(tool({}).exitCode, 2);
    EXPECT_EQ(tool({"dump"}).exitCode, 2);
    EXPECT_EQ(tool({"frobnicate", "x"}).exitCode, 2);
    const ToolRun missing = tool({"dump", "/nonexistent/TULIP.DBF"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "zambrel-questions: Cannot find file /nonexistent/TULIP.DBF\n");
}

TEST(QuestionTool, BrokenTableIsAClearFailure) {
    const ToolRun dump = tool({"dump", dataFile("record_length_zero.dbf")});
    EXPECT_EQ(dump.exitCode, 1);
    EXPECT_TRUE(dump.err.contains("record length is 0")) << dump.err.toStdString();
    EXPECT_EQ(tool({"check", dataFile("empty.dbf")}).exitCode, 1);
}

} // namespace
