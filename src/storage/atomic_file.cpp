#include "storage/atomic_file.h"

#include "storage/link_target.h"

#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

} // namespace

bool replaceFileAtomically(const QString& path, const QByteArray& content,
                           const std::function<void()>& beforeRename)
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

    const QFileInfo info(*targetPath);
    QByteArray temp = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName()) + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, content) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written) {
        ::unlink(temp.constData());
        return false;
    }
    if (beforeRename)
        beforeRename();
    if (::rename(temp.constData(), target.constData()) != 0) {
        ::unlink(temp.constData());
        return false;
    }
    return true;
}
