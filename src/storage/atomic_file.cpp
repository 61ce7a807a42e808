#include "storage/atomic_file.h"

#include "storage/link_target.h"
#include "storage/write_point.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The temporary file of a write is ".<name>." and mkstemp's six letters or
// digits. The write holds an flock on it until the rename, so one that
// nobody holds was left by a write that was killed.
constexpr int TemporarySuffixLength = 6;
// Tries at a fresh temporary file when another write's clean-up takes ours.
constexpr int TemporaryFileTries = 3;

QString temporaryPrefix(const QFileInfo& target)
{
    return u'.' + target.fileName() + u'.';
}

bool isTemporaryOf(const QString& entry, const QString& prefix)
{
    if (entry.size() != prefix.size() + TemporarySuffixLength || !entry.startsWith(prefix))
        return false;
    for (qsizetype i = prefix.size(); i < entry.size(); ++i) {
        const char16_t c = entry[i].unicode();
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')))
            return false;
    }
    return true;
}

void removeStaleTemporaries(const QFileInfo& target)
{
    const QString prefix = temporaryPrefix(target);
    const QDir folder(target.absolutePath());
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (!isTemporaryOf(entry, prefix))
            continue;
        const QByteArray name = QFile::encodeName(folder.filePath(entry));
        const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info{};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(name.constData());
        ::close(fd);
    }
}

// A new temporary file beside the target, held for this write; -1 on failure.
int createTemporary(const QFileInfo& target, QByteArray& name)
{
    for (int attempt = 0; attempt < TemporaryFileTries; ++attempt) {
        name = QFile::encodeName(target.absolutePath() + u'/' + temporaryPrefix(target)) +
               QByteArray(TemporarySuffixLength, 'X');
        const int fd = ::mkstemp(name.data());
        if (fd < 0)
            return -1;
        // Another write's clean-up may have taken the file between its
        // creation and the lock: then it is gone, or about to go.
        struct stat info{};
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &info) == 0 && info.st_nlink > 0)
            return fd;
        ::close(fd);
    }
    return -1;
}

bool writeAll(int fd, const QByteArray& content)
{
    const char* data = content.constData();
    qsizetype left = content.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
}

// A new temporary file beside the target holding content with the given
// mode, flushed to disk and held by this write; -1 on failure.
int writeTemporary(const QFileInfo& target, const QByteArray& content, mode_t mode, QByteArray& temp)
{
    removeStaleTemporaries(target);
    const int fd = createTemporary(target, temp);
    if (fd < 0)
        return -1;
    WritePoint::pass();
    if (writeAll(fd, content) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0)
        return fd;
    ::unlink(temp.constData());
    ::close(fd);
    return -1;
}

// Gives the temporary file the target's name unless a file has that name
// already, even one made a moment ago by another copy of the game.
bool renameWithoutReplacing(const QByteArray& temp, const QByteArray& target)
{
    if (::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    // A file system that cannot rename so may still make a second name.
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    if (::link(temp.constData(), target.constData()) != 0)
        return false;
    ::unlink(temp.constData());
    return true;
}

} // namespace

bool replaceFileAtomically(const QString& path, const QByteArray& content)
{
    const std::optional<QString> targetPath = finalLinkTarget(path);
    if (!targetPath)
        return false;
    const QByteArray target = QFile::encodeName(*targetPath);
    struct stat existing{};
    mode_t mode = 0644;
    if (::stat(target.constData(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode) || !(existing.st_mode & S_IWUSR))
            return false;
        mode = existing.st_mode & 07777;
    }

    QByteArray temp;
    const int fd = writeTemporary(QFileInfo(*targetPath), content, mode, temp);
    if (fd < 0)
        return false;
    WritePoint::pass();
    // The temporary file stays held until it has its final name.
    const bool renamed = ::rename(temp.constData(), target.constData()) == 0;
    if (!renamed)
        ::unlink(temp.constData());
    ::close(fd);
    return renamed;
}

bool createFileAtomically(const QString& path, const QByteArray& content)
{
    const QByteArray target = QFile::encodeName(path);
    QByteArray temp;
    const int fd = writeTemporary(QFileInfo(path), content, 0644, temp);
    if (fd < 0)
        return false;
    WritePoint::pass();
    const bool created = renameWithoutReplacing(temp, target);
    if (!created)
        ::unlink(temp.constData());
    ::close(fd);
    return created;
}
