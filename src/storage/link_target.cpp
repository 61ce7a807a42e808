#include "storage/link_target.h"

#include <QFile>
#include <QFileInfo>

#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many links as the system itself follows in one path.
constexpr int MaxLinks = 40;

} // namespace

std::optional<QString> finalLinkTarget(const QString& path)
{
    QString current = path;
    for (int hop = 0; hop <= MaxLinks; ++hop) {
        const QByteArray name = QFile::encodeName(current);
        struct stat info{};
        if (::lstat(name.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        char target[PATH_MAX];
        const ssize_t size = ::readlink(name.constData(), target, sizeof target);
        if (size < 0 || size == sizeof target)
            return std::nullopt;
        const QString next = QFile::decodeName(QByteArray(target, size));
        // A relative link is read from the folder that holds it.
        current = next.startsWith(u'/') ? next : QFileInfo(current).path() + u'/' + next;
    }
    return std::nullopt;
}
