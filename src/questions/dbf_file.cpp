#include "questions/dbf_file.h"

#include "storage/app_error.h"
#include "storage/write_point.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The share lock lies far beyond any record lock of any protocol: a shared
// open holds it for reading, an exclusive one for writing.
constexpr qint64 ShareLockOffset = qint64(1) << 62;

QString errorText(int error, const char* fallback) {
    switch (error) {
    case ENOENT:
        return QStringLiteral("File not found");
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return QStringLiteral("Path not found");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Too many open files");
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return QStringLiteral("File access denied");
    case EISDIR:
        return QStringLiteral("Folder found where a table file was expected");
    case EAGAIN:
        return QStringLiteral("Record locked by another user");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("Drive not ready");
    default:
        return QString::fromLatin1(fallback);
    }
}

} // namespace

DbfFile::DbfFile(const QString& path, bool readOnly, bool exclusive)
    : m_path(path)
    , m_readOnly(readOnly) {
    const QByteArray native = path.toLocal8Bit();
    struct stat info {};
    if (::stat(native.constData(), &info) != 0) {
        if (errno == ENOENT)
            throw AppError(QStringLiteral("Cannot find file %1").arg(path));
        fail(errno, "File not found");
    }
    // A non-blocking open, so that a FIFO or device put in place of the table
    // cannot hang the game; it is refused just below.
    m_fd = ::open(native.constData(), (readOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC | O_NONBLOCK);
    if (m_fd < 0)
        fail(errno, "File access denied");
    if (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : EACCES;
        ::close(m_fd);
        fail(error, "File access denied");
    }
    const bool writeShare = exclusive && !readOnly;
    if (!setLock(ShareLockOffset, writeShare ? F_WRLCK : F_RDLCK)) {
        ::close(m_fd);
        fail(EACCES, "File access denied");
    }
}

DbfFile::~DbfFile() {
    ::close(m_fd);
}

qint64 DbfFile::size() const {
    struct stat info {};
    if (::fstat(m_fd, &info) != 0)
        fail(errno, "Disk read error");
    return info.st_size;
}

bool DbfFile::isSameFile(const DbfFile& other) const {
    struct stat mine {};
    struct stat theirs {};
    return ::fstat(m_fd, &mine) == 0 && ::fstat(other.m_fd, &theirs) == 0 &&
           mine.st_dev == theirs.st_dev && mine.st_ino == theirs.st_ino;
}

void DbfFile::read(qint64 offset, char* data, qint64 length) const {
    while (length > 0) {
        const ssize_t got = ::pread(m_fd, data, size_t(length), offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            fail(EIO, "Disk read error");
        if (got == 0)
            fail(EIO, "Disk read error"); // the file ended early
        data += got;
        offset += got;
        length -= got;
    }
}

void DbfFile::write(qint64 offset, const char* data, qint64 length) {
    WritePoint::pass();
    while (length > 0) {
        const ssize_t put = ::pwrite(m_fd, data, size_t(length), offset);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            fail(put < 0 && (errno == EROFS || errno == EBADF) ? EROFS : EIO, "Disk write error");
        data += put;
        offset += put;
        length -= put;
    }
}

void DbfFile::adviseSequential() const {
    ::posix_fadvise(m_fd, 0, 0, POSIX_FADV_SEQUENTIAL);
}

bool DbfFile::tryLock(qint64 offset) {
    // A table open for reading only cannot hold a write lock; its read lock
    // still keeps writers of the same record away.
    return offset >= 0 && setLock(offset, m_readOnly ? F_RDLCK : F_WRLCK);
}

void DbfFile::unlock(qint64 offset) {
    setLock(offset, F_UNLCK);
}

bool DbfFile::setLock(qint64 offset, short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = offset;
    lock.l_len = 1;
    return ::fcntl(m_fd, F_OFD_SETLK, &lock) == 0;
}

void DbfFile::fail(int error, const char* fallback) const {
    throw AppError(errorText(error, fallback) + QStringLiteral(" - ") + m_path.toUpper());
}
