#include "questions/dbf_lock.h"

#include "questions/dbf_file.h"

#include <thread>

namespace {

// Another copy holds a range for the moment of a write: tries this often.
constexpr std::chrono::milliseconds RetryPause{1};

constexpr qint64 ClipperBase = 1'000'000'000;
constexpr qint64 DefaultBase = 0x40000000;
constexpr qint64 DefaultHeader = 0x7FFFFFFE;
constexpr qint64 DBase4Header = 0xEFFFFFFF;

} // namespace

qint64 RecordLockOffset(LockProtocol protocol, quint32 record, int headerLength, int recordLength) {
    switch (protocol) {
    case LockProtocol::ClipLock:
        return ClipperBase + record;
    case LockProtocol::DB4Lock:
        return DBase4Header - record - 1;
    case LockProtocol::Default:
    case LockProtocol::FoxLock:
        break;
    }
    return DefaultBase + headerLength + (qint64(record) - 1) * recordLength;
}

qint64 HeaderLockOffset(LockProtocol protocol) {
    switch (protocol) {
    case LockProtocol::ClipLock:
        return ClipperBase;
    case LockProtocol::DB4Lock:
        return DBase4Header;
    case LockProtocol::Default:
    case LockProtocol::FoxLock:
        break;
    }
    return DefaultHeader;
}

DbfLock::DbfLock(DbfFile* file)
    : m_file(file) {}

bool DbfLock::acquire(qint64 offset, std::chrono::milliseconds wait) {
    if (!m_file)
        return true;
    if (m_offset) {
        if (*m_offset != offset)
            return false;
        ++m_depth;
        return true;
    }
    if (!takeWithin(offset, wait))
        return false;
    m_offset = offset;
    m_depth = 1;
    return true;
}

void DbfLock::release() {
    if (!m_offset || --m_depth > 0)
        return;
    m_file->unlock(*m_offset);
    m_offset.reset();
}

bool DbfLock::takeWithin(qint64 offset, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (!m_file->tryLock(offset)) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(RetryPause);
    }
    return true;
}
