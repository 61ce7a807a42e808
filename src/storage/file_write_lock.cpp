#include "storage/file_write_lock.h"

#include "storage/link_target.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <condition_variable>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace {

int openLockFile(const QString& file)
{
    const std::optional<QString> target = finalLinkTarget(file);
    if (!target)
        return -1;
    const QFileInfo info(*target);
    const QByteArray name = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") +
                                              info.fileName() + QStringLiteral(".lock"));
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    // Another user's lock file can still be locked through a read-only open.
    return fd >= 0 || errno != EACCES ? fd
                                      : ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
}

// A wait for a lock that another copy holds. The system hands a released
// lock to a copy blocked on it, where one that tried again now and then
// would mostly miss the moment; but a blocked call has no deadline, so a
// thread of its own makes it, and is left behind when the deadline passes,
// letting the lock go as soon as it gets it.
class BlockedLockWait {
public:
    explicit BlockedLockWait(int fd) : m_fd(fd) {}

    // Whether the lock of fd came within timeout. When it did not, the
    // waiting thread takes fd over and fd becomes -1.
    static bool wait(int& fd, std::chrono::milliseconds timeout)
    {
        const auto state = std::make_shared<BlockedLockWait>(fd);
        std::thread([state] { state->block(); }).detach();
        std::unique_lock lock(state->m_mutex);
        if (state->m_done.wait_for(lock, timeout, [&] { return state->m_finished; }))
            return state->m_held;
        state->m_abandoned = true;
        fd = -1;
        return false;
    }

private:
    void block()
    {
        int result = 0;
        do
            result = ::flock(m_fd, LOCK_EX);
        while (result < 0 && errno == EINTR);
        const std::lock_guard lock(m_mutex);
        if (m_abandoned) {
            ::close(m_fd);
            return;
        }
        m_held = result == 0;
        m_finished = true;
        m_done.notify_one();
    }

    int m_fd;
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    bool m_held = false;
    bool m_abandoned = false;
};

} // namespace

FileWriteLock::FileWriteLock(const QString& file, std::chrono::milliseconds wait)
    : m_fd(openLockFile(file))
{
    if (m_fd < 0)
        return;
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
        m_held = true;
    else if (errno == EWOULDBLOCK)
        m_held = BlockedLockWait::wait(m_fd, wait);
}

FileWriteLock::~FileWriteLock()
{
    // Closing the lock file lets the lock go.
    if (m_fd >= 0)
        ::close(m_fd);
}
