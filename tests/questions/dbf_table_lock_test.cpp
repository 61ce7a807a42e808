// Record and header locks between tables open on one file, in one program and
// in two, so that two players never rewrite one question at the same moment.
#include "table_maker.h"
#include "table_test_support.h"

#include <QElapsedTimer>

#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

using std::chrono::milliseconds;

// Another program that opens the table and asks for the lock of its first
// record, waiting for it at most `wait`; it exits with 0 when granted. Its
// alarm ends it when the test's wait for it would not end.
pid_t startOtherProgramLocking(const QString& path, milliseconds wait) {
    const pid_t child = fork();
    if (child == 0) {
        alarm(10);
        DbfTable other;
        other.SetLockProtocol(LockProtocol::ClipLock);
        other.SetLockWait(wait);
        openAt(other, path);
        _exit(other.LockRecord() ? 0 : 1);
    }
    return child;
}

bool exitedWithZero(pid_t child) {
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

class DbfTableLock : public ::testing::Test {
protected:
    void SetUp() override {
        path = TableMaker::Questions().question(1, "a").question(1, "b").write(dir);
        first.SetLockProtocol(LockProtocol::ClipLock);
        second.SetLockProtocol(LockProtocol::ClipLock);
        // Refusals come at once here; the waits have tests of their own.
        first.SetLockWait(milliseconds(0));
        second.SetLockWait(milliseconds(0));
        openAt(first, path);
        openAt(second, path);
        openAt(pack, TableMaker::Questions().question(2, "pack").write(dir, "faq01.dbf"));
    }

    // Whether an independent open of the file sees `offset` locked.
    bool byteLocked(qint64 offset) const {
        const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR);
        struct flock probe {};
        probe.l_type = F_WRLCK;
        probe.l_whence = SEEK_SET;
        probe.l_start = offset;
        probe.l_len = 1;
        ::fcntl(fd, F_OFD_GETLK, &probe);
        ::close(fd);
        return probe.l_type != F_UNLCK;
    }

    QTemporaryDir dir;
    QString path;
    DbfTable first;
    DbfTable second;
    DbfTable pack;
};

TEST_F(DbfTableLock, TwoTablesInOneProgramExcludeEachOther) {
    ASSERT_TRUE(first.LockRecord());
    EXPECT_FALSE(second.LockRecord());
    EXPECT_EQ(errorOf([&] { second.BeginEdit(); }), "Record is locked by another user");
}

TEST_F(DbfTableLock, OtherRecordsStayFreeToLock) {
    ASSERT_TRUE(first.LockRecord());
    second.GoNext();
    EXPECT_TRUE(second.LockRecord());
}

TEST_F(DbfTableLock, TheQuestionRoundSequenceLeavesNoLockBehind) {
    ASSERT_TRUE(first.LockRecord());
    first.BeginEdit();
    first.SetText("A1", "x");
    first.PostRecord();
    EXPECT_FALSE(second.LockRecord()) << "still held after the post";
    first.UnlockRecords();
    EXPECT_TRUE(second.LockRecord());
}

TEST_F(DbfTableLock, TakingTheSameRecordAgainCountsUp) {
    ASSERT_TRUE(first.LockRecord());
    ASSERT_TRUE(first.LockRecord());
    first.UnlockRecords();
    EXPECT_FALSE(second.LockRecord());
    first.UnlockRecords();
    EXPECT_TRUE(second.LockRecord());
}

TEST_F(DbfTableLock, AnotherRecordWhileOneIsHeldIsRefused) {
    ASSERT_TRUE(first.LockRecord());
    first.GoNext();
    EXPECT_FALSE(first.LockRecord());
}

TEST_F(DbfTableLock, ClosingGivesTheLockBack) {
    ASSERT_TRUE(first.LockRecord());
    first.CloseTable();
    EXPECT_TRUE(second.LockRecord());
}

TEST_F(DbfTableLock, AnotherProgramIsRefusedTheRecord) {
    ASSERT_TRUE(first.LockRecord());
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        DbfTable other;
        other.SetLockProtocol(LockProtocol::ClipLock);
        other.SetLockWait(milliseconds(0));
        openAt(other, path);
        const bool refused = !other.LockRecord();
        other.GoNext();
        const bool nextGranted = other.LockRecord();
        _exit(refused && nextGranted ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(DbfTableLock, ARecordAnotherProgramLetsGoWithinTheWaitIsGranted) {
    ASSERT_TRUE(first.LockRecord());
    const pid_t child = startOtherProgramLocking(path, milliseconds(5000));
    std::this_thread::sleep_for(milliseconds(200));
    first.UnlockRecords();
    EXPECT_TRUE(exitedWithZero(child));
}

TEST_F(DbfTableLock, ARecordHeldPastTheWaitIsRefusedWhenTheWaitIsOver) {
    ASSERT_TRUE(first.LockRecord());
    second.SetLockWait(milliseconds(300));
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(second.LockRecord());
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_FALSE(exitedWithZero(startOtherProgramLocking(path, milliseconds(300))));
}

TEST_F(DbfTableLock, ClipperLockByteFollowsTheRecordNumber) {
    first.GoNext();
    ASSERT_TRUE(first.LockRecord());
    EXPECT_TRUE(byteLocked(1'000'000'000 + 2));
    EXPECT_FALSE(byteLocked(1'000'000'000 + 1));
}

TEST_F(DbfTableLock, DefaultLockByteFollowsTheRecordOffset) {
    DbfTable table;
    openAt(table, path);
    table.GoNext();
    ASSERT_TRUE(table.LockRecord());
    const QByteArray file = readAll(path);
    EXPECT_TRUE(byteLocked(0x40000000 + le16(file, 8) + le16(file, 10)));
}

TEST_F(DbfTableLock, DBaseFourLockByteCountsDownFromTheTop) {
    DbfTable table;
    table.SetLockProtocol(LockProtocol::DB4Lock);
    openAt(table, path);
    ASSERT_TRUE(table.LockRecord());
    EXPECT_TRUE(byteLocked(0xEFFFFFFFLL - 1 - 1));
}

TEST_F(DbfTableLock, AppendGoesOnWhenTheHeaderLockIsHeldElsewhere) {
    const int holder = ::open(path.toLocal8Bit().constData(), O_RDWR);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 1'000'000'000;
    lock.l_len = 1;
    ASSERT_EQ(::fcntl(holder, F_OFD_SETLK, &lock), 0);
    pack.AppendCopyTo(first);
    ::close(holder);
    EXPECT_EQ(le32(readAll(path), 4), 3u);
}

TEST_F(DbfTableLock, AppendGivesTheHeaderLockBack) {
    pack.AppendCopyTo(first);
    EXPECT_FALSE(byteLocked(1'000'000'000));
    EXPECT_TRUE(first.LockRecord());
}

TEST(DbfTableExclusiveLock, ExclusiveTableGrantsEveryLockWithoutThePlatform) {
    QTemporaryDir dir;
    DbfTable table;
    table.SetExclusive(true);
    openAt(table, TableMaker::Questions().question(1, "a").question(1, "b").write(dir));
    ASSERT_TRUE(table.LockRecord());
    table.GoNext();
    EXPECT_TRUE(table.LockRecord());
}

} // namespace
