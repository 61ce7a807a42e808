// Helpers for tests of files that are not what they seem: a pipe in place of
// a file would block a careless reader for ever, so such a read runs in a
// child process that its own alarm kills after a few seconds.
#pragma once

#include "storage/app_error.h"

#include <QString>

#include <cerrno>
#include <functional>

#include <sys/wait.h>
#include <unistd.h>

// The text of the AppError that action throws, or "no error".
inline QString errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const AppError& e) {
        return e.text();
    }
    return QStringLiteral("no error");
}

// True when check returns true in a child process within the time allowed;
// false when it returns false, crashes or is still busy when the time is up.
inline bool holdsInBoundedChild(const std::function<bool()>& check, unsigned seconds = 5)
{
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        ::alarm(seconds);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    // The child's alarm ends it, so this wait is bounded too.
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

inline bool runningAsRoot() { return ::geteuid() == 0; }
