// Our table access against dBASE tools nobody here wrote: a table written by
// python3-dbf reads right, and python3-dbfread reads our built, rewritten and
// appended tables with the same values and record count.
#include "storage/code_page.h"
#include "question_sheet.h"
#include "question_table_writer.h"
#include "table_maker.h"
#include "table_test_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

const QString Python = QStringLiteral(ZAMBREL_PYTHON);
const QString Script = QStringLiteral(ZAMBREL_INTEROP_SCRIPT);

QByteArray runScript(const QStringList& args) {
    QProcess python;
    python.start(Python, QStringList{Script} + args);
    python.waitForFinished(60000);
    if (python.exitStatus() != QProcess::NormalExit || python.exitCode() != 0)
        ADD_FAILURE() << python.readAllStandardError().toStdString();
    return python.readAllStandardOutput();
}

class DbfTableInterop : public ::testing::Test {
protected:
    void SetUp() override {
        if (Python.isEmpty())
            GTEST_SKIP() << "no python3 with the dbf and dbfread modules";
    }

    // What python3-dbfread sees: the header count and each active record.
    QJsonObject readElsewhere(const QString& path) {
        return QJsonDocument::fromJson(runScript({"read", path})).object();
    }

    QTemporaryDir dir;
};

TEST_F(DbfTableInterop, TableWrittenByPythonDbfReadsRight) {
    const QString path = dir.filePath("TULIP.DBF");
    const QJsonArray rows{QJsonArray{3, "Вопрос", "Ответ А", "Б", "В", "Г", 2, false},
                          QJsonArray{3, "Удалён", "а", "б", "в", "г", 1, true},
                          QJsonArray{QJsonValue::Null, "Без уровня", "а", "б", "в", "г", 4, false},
                          QJsonArray{3, "Третий", "а", "б", "в", "г", 4, false}};
    runScript(
        {"write", path, QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Compact))});

    DbfTable table;
    openAt(table, path);
    filterLevel(table, 3);
    EXPECT_EQ(table.RecordNumber(), 1u);
    EXPECT_EQ(table.GetText("QQ"), cp866::encode("Вопрос"));
    EXPECT_EQ(table.GetText("A1"), cp866::encode("Ответ А"));
    EXPECT_EQ(table.GetInteger("ZN"), 2);
    table.GoNext();
    EXPECT_EQ(table.RecordNumber(), 4u);
    EXPECT_EQ(table.GetText("QQ"), cp866::encode("Третий"));
    filterLevel(table, 0);
    EXPECT_EQ(table.RecordNumber(), 3u);
}

TEST_F(DbfTableInterop, BuiltRewrittenAndAppendedTableReadsTheSameElsewhere) {
    const QByteArray sheet = QuestionSheet::HeaderLine() +
                             "\n1\tПервый вопрос\tА\tБ\tВ\tГ\tA\n"
                             "2\tВторой вопрос\tда\tнет\tможет быть\tне знаю\tD\n";
    const QString tulipPath = dir.filePath("TULIP.DBF");
    QuestionTableWriter::Write(tulipPath, QuestionSheet::Parse(sheet),
                               QDateTime::currentDateTime());
    const QString packPath = TableMaker::Questions()
                                 .question(7, "pack one")
                                 .question(8, "pack gone", true)
                                 .write(dir, "faq01.dbf");

    DbfTable tulip;
    openAt(tulip, tulipPath);
    filterLevel(tulip, 2);
    ASSERT_TRUE(tulip.LockRecord());
    tulip.BeginEdit();
    const QByteArray first = tulip.GetText("A1");
    tulip.SetText("A1", tulip.GetText("A4"));
    tulip.SetText("A4", first);
    tulip.SetInteger("ZN", 1);
    tulip.PostRecord();
    tulip.UnlockRecords();
    DbfTable pack;
    openAt(pack, packPath);
    for (; !pack.AtEnd(); pack.GoNext())
        pack.AppendCopyTo(tulip);
    tulip.CloseTable();

    const QJsonObject elsewhere = readElsewhere(tulipPath);
    const QJsonArray records = elsewhere["records"].toArray();
    EXPECT_EQ(elsewhere["count"].toInt(), 3);
    ASSERT_EQ(records.size(), 3);

    tulip.SetFiltered(false);
    tulip.OpenTable();
    for (const QJsonValue& value : records) {
        const QJsonObject record = value.toObject();
        ASSERT_FALSE(tulip.AtEnd());
        EXPECT_EQ(record["NN"].toInt(), tulip.GetInteger("NN"));
        EXPECT_EQ(record["ZN"].toInt(), tulip.GetInteger("ZN"));
        for (const char* name : {"QQ", "A1", "A2", "A3", "A4"})
            EXPECT_EQ(record[name].toString(), QString::fromLatin1(tulip.GetText(name))) << name;
        tulip.GoNext();
    }
    EXPECT_TRUE(tulip.AtEnd());
}

} // namespace
