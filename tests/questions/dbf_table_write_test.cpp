// Writing to the question table: a question rewritten in place after it was
// shown, and the records of a question pack appended at its end.
#include "table_maker.h"
#include "table_test_support.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

const QDateTime Noon(QDate(2031, 4, 5), QTime(13, 7, 9, 250));
constexpr quint32 NoonStamp = ((13 * 64 + 7) * 64 + 9) * 1024 + 250;

// A header whose count lies, whose flags have every bit set and whose
// reserved bytes hold marks that writes must keep.
QByteArray markedHeader(QByteArray bytes) {
    bytes[4] = char(99);
    for (int at : {12, 13, 14, 24, 25, 26, 27, 29, 30, 31})
        bytes[at] = char(0xA0 + at);
    bytes[28] = char(0xFF);
    return bytes;
}

void rotateFirstAnswer(DbfTable& table) {
    table.LockRecord();
    table.BeginEdit();
    table.SetText("A1", "rotated");
    table.SetInteger("ZN", 2);
    table.PostRecord();
    table.UnlockRecords();
}

TEST(DbfTableWrite, RewriteChangesOnlyThatRecordAndTheHeaderStamp) {
    QTemporaryDir dir;
    const TableMaker maker =
        TableMaker::Questions().question(3, "first").question(3, "second").question(4, "third");
    const QByteArray before = markedHeader(maker.bytes()) + "x"; // a stray byte after the marker
    const QString path = dir.filePath("TULIP.DBF");
    writeAll(path, before);
    DbfTable table;
    table.SetClock([] { return Noon; });
    table.SetUserID(0x01020304);
    openAt(table, path);
    filterLevel(table, 3);
    table.GoNext();
    rotateFirstAnswer(table);

    const QByteArray after = readAll(path);
    const int hl = maker.headerLength();
    const int rl = maker.recordLength();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.mid(32, hl - 32), before.mid(32, hl - 32)) << "descriptors";
    EXPECT_EQ(after.mid(hl, rl), before.mid(hl, rl)) << "record 1";
    EXPECT_EQ(after.mid(hl + 2 * rl), before.mid(hl + 2 * rl)) << "record 3 and the end";
    const QByteArray second = after.mid(hl + rl, rl);
    EXPECT_EQ(second.mid(1 + 2 + 254, 100).trimmed(), "rotated");
    EXPECT_EQ(second.right(1), "2");

    EXPECT_EQ(after[1], char(31));
    EXPECT_EQ(after[2], char(4));
    EXPECT_EQ(after[3], char(5));
    EXPECT_EQ(le32(after, 4), 3u) << "count from the file size";
    EXPECT_EQ(after[15], 0);
    EXPECT_EQ(le32(after, 16), NoonStamp);
    EXPECT_EQ(le32(after, 20), 0x01020304u);
    EXPECT_EQ(quint8(after[28]), 0x07);
    for (int at : {0, 8, 9, 10, 11, 12, 13, 14, 24, 25, 26, 27, 29, 30, 31})
        EXPECT_EQ(after[at], before[at]) << "header byte " << at;
}

TEST(DbfTableWrite, TheQuestionRoundSequenceLeavesTheRecordCurrent) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, TableMaker::Questions().question(3, "first").question(3, "second").write(dir));
    filterLevel(table, 3);
    table.GoNext();
    rotateFirstAnswer(table);
    EXPECT_EQ(table.RecordNumber(), 2u);
    EXPECT_EQ(table.GetText("A1"), "rotated");
}

class DbfTableAppend : public ::testing::Test {
protected:
    void SetUp() override {
        tulipPath = TableMaker::Questions().question(1, "old").write(dir);
        packPath = TableMaker::Questions()
                       .question(5, "new one")
                       .question(6, "gone", true)
                       .question(7, "new two")
                       .write(dir, "faq01.dbf");
        pack.SetLockProtocol(LockProtocol::Default);
        tulip.SetLockProtocol(LockProtocol::ClipLock);
        tulip.SetClock([] { return Noon; });
        openAt(pack, packPath);
        openAt(tulip, tulipPath);
    }

    void importPack() {
        while (!pack.AtEnd()) {
            pack.AppendCopyTo(tulip);
            pack.GoNext();
        }
    }

    QTemporaryDir dir;
    QString tulipPath;
    QString packPath;
    DbfTable pack;
    DbfTable tulip;
};

TEST_F(DbfTableAppend, ActiveRecordsOfThePackLandAtTheEndInFileOrder) {
    importPack();
    tulip.CloseTable();
    tulip.OpenTable();
    std::vector<QByteArray> questions;
    for (; !tulip.AtEnd(); tulip.GoNext())
        questions.push_back(tulip.GetText("QQ"));
    EXPECT_EQ(questions, (std::vector<QByteArray>{"old", "new one", "new two"}));
}

TEST_F(DbfTableAppend, HeaderCountFollowsTheFileSizeAndTheFileEndsInTheMarker) {
    importPack();
    const QByteArray file = readAll(tulipPath);
    const qint64 hl = le16(file, 8);
    const qint64 rl = le16(file, 10);
    EXPECT_EQ(le32(file, 4), 3u);
    EXPECT_EQ(le32(file, 4), (file.size() - hl) / rl);
    EXPECT_EQ(file.back(), char(0x1A));
    EXPECT_EQ(le32(file, 16), NoonStamp);
}

TEST_F(DbfTableAppend, CopyIsByteForByteWithAnActiveFlag) {
    pack.SetUseDeleted(true);
    pack.GoNext();
    ASSERT_TRUE(pack.IsDeleted());
    pack.AppendCopyTo(tulip);
    const QByteArray packFile = readAll(packPath);
    const QByteArray tulipFile = readAll(tulipPath);
    const int hl = le16(packFile, 8);
    const int rl = le16(packFile, 10);
    const QByteArray copied = tulipFile.mid(hl + rl, rl);
    EXPECT_EQ(copied[0], ' ');
    EXPECT_EQ(copied.mid(1), packFile.mid(hl + rl + 1, rl - 1));
    EXPECT_EQ(pack.RecordNumber(), 2u) << "the pack stays on its record";
}

TEST_F(DbfTableAppend, StrayBytesAfterTheLastRecordAreWrittenOver) {
    tulip.CloseTable();
    writeAll(tulipPath, readAll(tulipPath) + "xyz");
    tulip.OpenTable();
    pack.AppendCopyTo(tulip);
    const QByteArray file = readAll(tulipPath);
    EXPECT_EQ(file.size(), le16(file, 8) + 2 * le16(file, 10) + 1);
    EXPECT_EQ(le32(file, 4), 2u);
}

TEST_F(DbfTableAppend, AppendedRecordJoinsTheFilteredSet) {
    filterLevel(tulip, 5);
    ASSERT_TRUE(tulip.AtEnd());
    pack.AppendCopyTo(tulip);
    tulip.GoFirst();
    EXPECT_EQ(tulip.RecordNumber(), 2u);
}

TEST_F(DbfTableAppend, ClosedDestinationIsRefused) {
    tulip.CloseTable();
    EXPECT_EQ(errorOf([&] { pack.AppendCopyTo(tulip); }),
              "Cannot perform this operation on a closed dataset");
}

TEST_F(DbfTableAppend, PackOfAnotherLayoutIsRefusedAndNothingIsWritten) {
    const QString otherPath = TableMaker({{"NN", 'N', 2}, {"QQ", 'C', 20}})
                                  .record({{"1", "short"}})
                                  .write(dir, "faq02.dbf");
    DbfTable other;
    openAt(other, otherPath);
    const QByteArray before = readAll(tulipPath);
    EXPECT_FALSE(other.HasSameLayout(tulip));
    EXPECT_FALSE(errorOf([&] { other.AppendCopyTo(tulip); }).isEmpty());
    EXPECT_EQ(readAll(tulipPath), before);
}

TEST_F(DbfTableAppend, TableIsNeverAppendedToItself) {
    DbfTable again;
    openAt(again, tulipPath);
    const QByteArray before = readAll(tulipPath);
    EXPECT_TRUE(again.IsSameFile(tulip));
    EXPECT_FALSE(errorOf([&] { again.AppendCopyTo(tulip); }).isEmpty());
    EXPECT_FALSE(errorOf([&] { tulip.AppendCopyTo(tulip); }).isEmpty());
    EXPECT_EQ(readAll(tulipPath), before);
}

TEST(DbfTableWrite, RecordCutOffByAnotherProgramIsNeverWrittenPastTheEnd) {
    QTemporaryDir dir;
    const TableMaker maker = TableMaker::Questions().question(3, "first").question(3, "second");
    const QString path = maker.write(dir);
    DbfTable table;
    openAt(table, path);
    table.GoNext();
    table.BeginEdit();
    const QByteArray cut = readAll(path).left(maker.headerLength() + maker.recordLength());
    QFile::resize(path, cut.size());
    EXPECT_EQ(errorOf([&] { table.PostRecord(); }),
              "Record 2 lies beyond the end of the file - " + path.toUpper());
    EXPECT_EQ(readAll(path), cut);
}

TEST(DbfTableWrite, RecordCutOffByAnotherProgramIsAReadError) {
    QTemporaryDir dir;
    const TableMaker maker = TableMaker::Questions().question(3, "first").question(3, "second");
    const QString path = maker.write(dir);
    DbfTable table;
    openAt(table, path);
    QFile::resize(path, maker.headerLength() + maker.recordLength());
    EXPECT_EQ(errorOf([&] { table.GoNext(); }), "Disk read error - " + path.toUpper());
}

} // namespace
