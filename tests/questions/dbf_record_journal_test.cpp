// A record rewrite killed in mid-write: the record kept beside the table
// lets the next copy of the game finish it, when it opens the table or
// edits the record, unless another copy is writing that record right now.
#include "storage/write_point.h"
#include "table_maker.h"
#include "table_test_support.h"

#include <QDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

// The write point of a rewrite after the record is kept beside the table and
// before the table is written.
constexpr int KeptNotWritten = 2;

class DbfRecordJournalTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = TableMaker::Questions().question(1, "a").question(1, "b").write(dir);
        before = readAll(path);
    }

    // Another copy rewrites the second question's first answer and is killed
    // once the record is kept beside the table, before the table is written.
    void killedRewrite() const {
        const pid_t child = fork();
        if (child == 0) {
            alarm(10);
            WritePoint::setWatcher([] {
                static int passed = 0;
                if (++passed == KeptNotWritten)
                    _exit(0);
            });
            DbfTable other;
            openAt(other, path);
            other.GoNext();
            other.BeginEdit();
            other.SetText("A1", "finished");
            other.PostRecord();
            _exit(1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "not killed at the point";
        ASSERT_EQ(readAll(path), before);
        ASSERT_EQ(left(), QStringList{".TULIP.DBF.2.post"});
    }
    QStringList left() const {
        return QDir(dir.path()).entryList({".TULIP.DBF.*"}, QDir::Files | QDir::Hidden);
    }
    QByteArray secondFirstAnswer() {
        DbfTable table;
        table.SetReadOnly(true);
        openAt(table, path);
        table.GoNext();
        return table.GetText("A1");
    }

    QTemporaryDir dir;
    QString path;
    QByteArray before;
};

TEST_F(DbfRecordJournalTest, OpeningTheTableFinishesAKilledRewrite) {
    killedRewrite();
    DbfTable table;
    openAt(table, path);
    table.CloseTable();
    EXPECT_EQ(secondFirstAnswer(), "finished");
    EXPECT_EQ(left(), QStringList());
}

TEST_F(DbfRecordJournalTest, EditingTheRecordFinishesARewriteKilledWhileTheTableWasOpen) {
    DbfTable table;
    openAt(table, path);
    table.GoNext();
    killedRewrite();
    table.BeginEdit();
    EXPECT_EQ(table.GetText("A1"), "finished");
    EXPECT_EQ(left(), QStringList());
}

TEST_F(DbfRecordJournalTest, ARecordAnotherCopyIsAboutToEditIsLeftToIt) {
    DbfTable writer;
    openAt(writer, path);
    writer.GoNext();
    killedRewrite();
    ASSERT_TRUE(writer.LockRecord());
    DbfTable reader;
    openAt(reader, path);
    EXPECT_EQ(left(), QStringList{".TULIP.DBF.2.post"});
    EXPECT_EQ(readAll(path), before);
    writer.BeginEdit();
    EXPECT_EQ(writer.GetText("A1"), "finished");
}

TEST_F(DbfRecordJournalTest, AReadOnlyTableLeavesTheRewriteAsItIs) {
    killedRewrite();
    EXPECT_EQ(secondFirstAnswer(), "b a");
    EXPECT_EQ(left(), QStringList{".TULIP.DBF.2.post"});
}

} // namespace
