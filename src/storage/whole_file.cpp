#include "storage/whole_file.h"

#include "storage/app_error.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int fd() const { return m_fd; }

private:
    int m_fd;
};

bool readAll(int fd, QByteArray& content)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            return true;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        content.append(buffer, n);
    }
}

} // namespace

std::optional<QByteArray> readWholeFile(const QString& path)
{
    // Opened without blocking, so a pipe in the file's place cannot stop the game.
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.fd() < 0 && (errno == ENOENT || errno == ENOTDIR))
        return std::nullopt;
    struct stat info{};
    QByteArray content;
    if (file.fd() < 0 || ::fstat(file.fd(), &info) != 0 || !S_ISREG(info.st_mode) ||
        !readAll(file.fd(), content))
        throw AppError(QStringLiteral("Cannot open file %1").arg(path));
    return content;
}
