// Two copies of the game may write one INI file at the same moment, and
// every write reads the whole file, changes it and replaces it. The write
// lock of a file makes them take turns from the read to the replacement, so
// neither undoes the other. It is an flock on a small hidden file beside the
// INI file, ".<name>.lock" (the INI file itself is replaced by a rename,
// which would drop a lock held on it), and it is released when the lock ends.
#pragma once

#include <QString>

#include <chrono>

class FileWriteLock {
public:
    // Long enough for any one write of another copy, short enough for a
    // player to wait through.
    static constexpr std::chrono::milliseconds DefaultWait{5000};

    // Takes the lock of file (the file its links name), waiting at most wait
    // for another copy to let it go.
    explicit FileWriteLock(const QString& file, std::chrono::milliseconds wait = DefaultWait);
    ~FileWriteLock();
    FileWriteLock(const FileWriteLock&) = delete;
    FileWriteLock& operator=(const FileWriteLock&) = delete;

    // False when the wait ran out or no lock file could be opened beside the
    // file (a folder that cannot be written, where no write succeeds anyway).
    bool held() const { return m_held; }

private:
    int m_fd = -1;
    bool m_held = false;
};
