// Opening the question table: names, missing and refused files, and broken
// table files, each ending in a clear message and never in a crash.
#include "support/test_folders.h"
#include "table_maker.h"
#include "table_test_support.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QString dataFile(const QString& name) {
    return testDataFolder() + "/questions/" + name;
}

TEST(DbfTableOpen, EmptyTableNameIsRefused) {
    DbfTable table;
    EXPECT_EQ(errorOf([&] { table.OpenTable(); }), "Table name missing");
}

TEST(DbfTableOpen, MissingFileNamesTheFullPath) {
    QTemporaryDir dir;
    DbfTable table;
    table.SetDatabaseName(dir.path());
    table.SetTableName("TULIP.DBF");
    EXPECT_EQ(errorOf([&] { table.OpenTable(); }), "Cannot find file " + dir.path() + "/TULIP.DBF");
}

TEST(DbfTableOpen, NameWithoutExtensionGetsDbf) {
    QTemporaryDir dir;
    TableMaker::Questions().question(1, "a").write(dir);
    DbfTable table;
    table.SetDatabaseName(dir.path() + "/");
    table.SetTableName("TULIP");
    table.OpenTable();
    EXPECT_EQ(table.GetText("QQ"), "a");
    EXPECT_EQ(table.FilePath(), dir.path() + "/TULIP.DBF");
}

TEST(DbfTableOpen, DefaultDirectoryIsTheProgramFolder) {
    DbfTable table;
    table.SetDatabaseName("default directory");
    table.SetTableName("TULIP.DBF");
    const QString programFolder = QFileInfo("/proc/self/exe").canonicalPath();
    EXPECT_EQ(table.FilePath(), programFolder + "/TULIP.DBF");
}

TEST(DbfTableOpen, NamesCannotChangeWhileOpen) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, TableMaker::Questions().question(1, "a").write(dir));
    EXPECT_EQ(errorOf([&] { table.SetTableName("OTHER.DBF"); }),
              "Cannot perform this operation on an open dataset");
    EXPECT_EQ(errorOf([&] { table.SetDatabaseName("/tmp"); }),
              "Cannot perform this operation on an open dataset");
}

TEST(DbfTableOpen, ClosedTableRefusesReadsAndMoves) {
    DbfTable table;
    const QString closed = "Cannot perform this operation on a closed dataset";
    EXPECT_EQ(errorOf([&] { table.GoFirst(); }), closed);
    EXPECT_EQ(errorOf([&] { table.Skip(1); }), closed);
    EXPECT_EQ(errorOf([&] { table.AtEnd(); }), closed);
    EXPECT_EQ(errorOf([&] { table.RecordNumber(); }), closed);
    EXPECT_EQ(errorOf([&] { table.GetText("QQ"); }), closed);
    EXPECT_EQ(errorOf([&] { table.LockRecord(); }), closed);
    EXPECT_EQ(errorOf([&] { table.BeginEdit(); }), closed);
}

TEST(DbfTableOpen, FolderInPlaceOfTheTableIsRefusedClearly) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("TULIP.DBF"));
    DbfTable table;
    table.SetDatabaseName(dir.path());
    table.SetTableName("TULIP.DBF");
    EXPECT_EQ(errorOf([&] { table.OpenTable(); }),
              "Folder found where a table file was expected - " +
                  (dir.path() + "/TULIP.DBF").toUpper());
    table.SetReadOnly(true);
    EXPECT_TRUE(errorOf([&] { table.OpenTable(); }).startsWith("Folder found"));
}

TEST(DbfTableOpen, ExclusiveHolderShutsOutASharedOpen) {
    QTemporaryDir dir;
    const QString path = TableMaker::Questions().question(1, "a").write(dir);
    DbfTable owner;
    owner.SetExclusive(true);
    openAt(owner, path);
    DbfTable other;
    EXPECT_EQ(errorOf([&] { openAt(other, path); }), "File access denied - " + path.toUpper());
    owner.CloseTable();
    other.OpenTable();
    EXPECT_TRUE(other.IsOpen());
}

TEST(DbfTableOpen, ReadOnlyTableRefusesToEdit) {
    QTemporaryDir dir;
    const QString path = TableMaker::Questions().question(1, "a").write(dir);
    DbfTable table;
    table.SetReadOnly(true);
    openAt(table, path);
    EXPECT_FALSE(errorOf([&] { table.BeginEdit(); }).isEmpty());
}

struct BrokenFile {
    const char* name;
    const char* message;
};

class DbfTableBrokenFile : public ::testing::TestWithParam<BrokenFile> {};

TEST_P(DbfTableBrokenFile, GivesAClearErrorNamingTheFile) {
    const QString path = dataFile(GetParam().name);
    DbfTable table;
    const QString error = errorOf([&] { openAt(table, path); });
    EXPECT_EQ(error, QString(GetParam().message).replace("%U", path.toUpper()).replace("%P", path));
    EXPECT_FALSE(table.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(
    SampleFiles, DbfTableBrokenFile,
    ::testing::Values(
        BrokenFile{"empty.dbf", "dBase DBF file header invalid (the file is empty) - %U"},
        BrokenFile{"truncated_header.dbf",
                   "dBase DBF file header invalid (the file is shorter than a table header) - %U"},
        BrokenFile{"truncated_descriptors.dbf",
                   "dBase DBF file header invalid (header length 257 runs past the end of the "
                   "file) - %U"},
        BrokenFile{"bad_version.dbf", "dBase DBF file header invalid - %U"},
        BrokenFile{"encrypted.dbf", "No Password for encrypted file %P"},
        BrokenFile{"lying_header_length.dbf",
                   "dBase DBF file header invalid (header length 60000 runs past the end of the "
                   "file) - %U"},
        BrokenFile{"short_header_length.dbf",
                   "dBase DBF file header invalid (header length 20 is too short) - %U"},
        BrokenFile{"record_length_zero.dbf",
                   "dBase DBF file header invalid (record length is 0) - %U"},
        BrokenFile{"lengths_not_adding_up.dbf",
                   "dBase DBF file header invalid (the fields fill 658 of the 700 bytes of a "
                   "record) - %U"},
        BrokenFile{"field_past_record.dbf",
                   "dBase DBF file header invalid (field A1 runs past the end of the record) - %U"},
        BrokenFile{"thousands_of_descriptors.dbf",
                   "dBase DBF file header invalid (field JJJJJJJJJJJ runs past the end of the "
                   "record) - %U"}),
    [](const ::testing::TestParamInfo<BrokenFile>& info) {
        return QString(info.param.name).remove(".dbf").toStdString();
    });

TEST(DbfTableOpen, DecimalsInTheHighByteOfTextFieldsAreIgnoredWhenTheyDoNotAddUp) {
    DbfTable table;
    openAt(table, dataFile("decimals_in_text_fields.dbf"));
    EXPECT_EQ(table.GetText("QQ"), QByteArray(254, 'x'));
    EXPECT_EQ(table.GetText("A4"), QByteArray(100, 'x'));
    EXPECT_EQ(table.GetText("ZN"), "x");
}

TEST(DbfTableOpen, FileCutInsideARecordReadsTheWholeRecordsOnly) {
    QTemporaryDir dir;
    const TableMaker maker = TableMaker::Questions().question(1, "a").question(1, "b");
    const QString path = dir.filePath("TULIP.DBF");
    writeAll(path, maker.bytes().left(maker.headerLength() + maker.recordLength() + 10));
    DbfTable table;
    openAt(table, path);
    EXPECT_EQ(table.Skip(3), 0);
    EXPECT_EQ(table.GetText("QQ"), "a");
}

} // namespace
