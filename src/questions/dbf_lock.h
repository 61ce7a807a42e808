// The lock a table holds on its file: one byte range at a time, counted, so
// that the question round's lock, edit, post and unlock leave nothing behind.
// The protocol decides where the lock byte of a record and of the header lie;
// every copy of the game uses the same one for the same file. A range that
// another copy holds may be waited for a while.
#pragma once

#include <QtGlobal>

#include <chrono>
#include <optional>

class DbfFile;

enum class LockProtocol { Default, DB4Lock, ClipLock, FoxLock };

qint64 RecordLockOffset(LockProtocol protocol, quint32 record, int headerLength, int recordLength);
qint64 HeaderLockOffset(LockProtocol protocol);

class DbfLock {
public:
    // Without a file (an exclusive table) every lock is granted at once.
    explicit DbfLock(DbfFile* file);

    // Counts up when `offset` is the range held; refused while another is.
    // A range that another copy holds is waited for at most `wait`.
    bool acquire(qint64 offset, std::chrono::milliseconds wait);
    // Gives the range back when the last level is released.
    void release();

private:
    bool takeWithin(qint64 offset, std::chrono::milliseconds wait);

    DbfFile* m_file;
    std::optional<qint64> m_offset;
    int m_depth = 0;
};
