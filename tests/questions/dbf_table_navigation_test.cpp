// Moving through the question table: the level filter, deleted records and
// the end of the admitted records.
#include "table_maker.h"
#include "table_test_support.h"

#include <gtest/gtest.h>

namespace {

QString levelsTable(const QTemporaryDir& dir) {
    return TableMaker::Questions()
        .question(1, "one")
        .question(2, "two deleted", true)
        .question(2, "two first")
        .question(3, "three")
        .question(2, "two second")
        .question(2, "two third")
        .write(dir);
}

TEST(DbfTableNavigation, FilterAdmitsOnlyActiveRecordsOfTheLevel) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, levelsTable(dir));
    filterLevel(table, 2);
    std::vector<quint32> seen;
    for (; !table.AtEnd(); table.GoNext())
        seen.push_back(table.RecordNumber());
    EXPECT_EQ(seen, (std::vector<quint32>{3, 5, 6}));
}

TEST(DbfTableNavigation, LevelWithOnlyDeletedRecordsHasNoCurrentRecord) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, TableMaker::Questions().question(1, "a").question(4, "b", true).write(dir));
    filterLevel(table, 4);
    EXPECT_TRUE(table.AtEnd());
    EXPECT_EQ(table.RecordNumber(), 0u);
    EXPECT_EQ(errorOf([&] { table.GetText("QQ"); }),
              "Cannot perform this operation on an empty dataset");
    EXPECT_FALSE(table.LockRecord());
}

TEST(DbfTableNavigation, SkipPastTheLastAdmittedRecordStopsOnIt) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, levelsTable(dir));
    filterLevel(table, 2);
    EXPECT_EQ(table.Skip(24), 2);
    EXPECT_EQ(table.RecordNumber(), 6u);
    EXPECT_TRUE(table.AtEnd());
    EXPECT_EQ(table.Skip(1), 0);
    EXPECT_EQ(table.RecordNumber(), 6u);
}

TEST(DbfTableNavigation, SkipToExactlyTheLastRecordIsNotYetAtEnd) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, levelsTable(dir));
    filterLevel(table, 2);
    EXPECT_EQ(table.Skip(2), 2);
    EXPECT_EQ(table.RecordNumber(), 6u);
    EXPECT_FALSE(table.AtEnd());
}

TEST(DbfTableNavigation, SkipZeroAfterGoFirstStaysOnTheFirst) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, levelsTable(dir));
    filterLevel(table, 2);
    table.Skip(1);
    table.GoFirst();
    EXPECT_EQ(table.Skip(0), 0);
    EXPECT_EQ(table.RecordNumber(), 3u);
    EXPECT_FALSE(table.AtEnd());
}

TEST(DbfTableNavigation, RecordNumberCountsDeletedRecords) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, TableMaker::Questions()
                      .question(1, "a", true)
                      .question(1, "b", true)
                      .question(1, "c")
                      .write(dir));
    EXPECT_EQ(table.RecordNumber(), 3u);
    EXPECT_EQ(table.GetText("QQ"), "c");
}

TEST(DbfTableNavigation, UnfilteredMovesSkipDeletedRecords) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, levelsTable(dir));
    EXPECT_EQ(table.Skip(2), 2);
    EXPECT_EQ(table.RecordNumber(), 4u);
    EXPECT_EQ(table.Skip(5), 2);
    EXPECT_TRUE(table.AtEnd());
}

TEST(DbfTableNavigation, UseDeletedVisitsDeletedRecordsToo) {
    QTemporaryDir dir;
    DbfTable table;
    table.SetUseDeleted(true);
    openAt(table, levelsTable(dir));
    filterLevel(table, 2);
    EXPECT_EQ(table.RecordNumber(), 2u);
    EXPECT_TRUE(table.IsDeleted());
}

TEST(DbfTableNavigation, BlankLevelIsAdmittedByNoLevelFromOneToFifteen) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table,
           TableMaker::Questions().record({{"", "blank level", "", "", "", "", "1"}}).write(dir));
    for (int level = 1; level <= 15; ++level) {
        filterLevel(table, level);
        EXPECT_TRUE(table.AtEnd()) << "level " << level;
    }
    filterLevel(table, 0);
    EXPECT_EQ(table.RecordNumber(), 1u);
}

TEST(DbfTableNavigation, FilterSetWhileUnfilteredIsOnlyStored) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, levelsTable(dir));
    table.SetFilter("(NN = 3)");
    EXPECT_EQ(table.RecordNumber(), 1u);
    table.SetFiltered(true);
    EXPECT_EQ(table.RecordNumber(), 4u);
}

TEST(DbfTableNavigation, OpeningDoesNotPutTheStoredFilterInForce) {
    QTemporaryDir dir;
    DbfTable table;
    table.SetFilter("(NN = 3)");
    table.SetFiltered(true);
    openAt(table, levelsTable(dir));
    EXPECT_EQ(table.RecordNumber(), 1u);
    table.SetFiltered(false);
    table.SetFiltered(true);
    EXPECT_EQ(table.RecordNumber(), 4u);
}

TEST(DbfTableNavigation, FilterSettingsSurviveClosing) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, levelsTable(dir));
    filterLevel(table, 3);
    table.CloseTable();
    EXPECT_EQ(table.Filter(), "(NN = 3)");
    EXPECT_TRUE(table.Filtered());
}

TEST(DbfTableNavigation, UnfilteringReturnsToTheFirstRecord) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, levelsTable(dir));
    filterLevel(table, 3);
    table.SetFiltered(false);
    EXPECT_EQ(table.RecordNumber(), 1u);
}

TEST(DbfTableNavigation, ExpressionOfAnotherFormIsRefused) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, levelsTable(dir));
    table.SetFiltered(true);
    EXPECT_EQ(errorOf([&] { table.SetFilter("NN + 1"); }),
              "Filter expression must return boolean result");
}

TEST(DbfTableNavigation, FilterOnAMissingFieldNamesIt) {
    QTemporaryDir dir;
    DbfTable table;
    const QString path = levelsTable(dir);
    openAt(table, path);
    table.SetFiltered(true);
    EXPECT_EQ(errorOf([&] { table.SetFilter("(XY = 1)"); }),
              "dBase field name is invalid - " + path.toUpper() + "->XY");
}

TEST(DbfTableNavigation, RewrittenLevelLeavesTheFilteredSet) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, levelsTable(dir));
    filterLevel(table, 2);
    table.BeginEdit();
    table.SetInteger("NN", 9);
    table.PostRecord();
    table.GoFirst();
    EXPECT_EQ(table.RecordNumber(), 5u);
}

TEST(DbfTableNavigation, TrailingMarkerOrStrayByteDoesNotChangeTheRecordCount) {
    QTemporaryDir dir;
    const TableMaker maker = TableMaker::Questions().question(1, "a").question(1, "b");
    const QByteArray withMarker = maker.bytes();
    const QByteArray withoutMarker = withMarker.chopped(1);
    const QByteArray withStrayByte = withMarker + "x";
    for (const QByteArray& bytes : {withMarker, withoutMarker, withStrayByte}) {
        const QString path = dir.filePath("T.DBF");
        writeAll(path, bytes);
        DbfTable table;
        openAt(table, path);
        EXPECT_EQ(table.Skip(5), 1);
        EXPECT_EQ(table.RecordNumber(), 2u);
    }
}

} // namespace
