// Helpers for tests of files that are not what they seem or that another
// copy of the game writes at the same time: such a test runs its reads and
// writes in child processes that their own alarm kills after some seconds,
// so a read that blocks on a pipe or a lock never held free fails the test
// instead of hanging it.
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

// Starts check in a child process that its alarm ends after seconds; the
// child's exit code says whether check returned true.
inline pid_t startBoundedChild(const std::function<bool()>& check, unsigned seconds = 5)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(seconds);
        bool held = false;
        try {
            held = check();
        } catch (...) {
        }
        ::_exit(held ? 0 : 1);
    }
    return child;
}

// Whether the child's check returned true; false when it returned false,
// crashed or was still busy when its time was up.
inline bool boundedChildSucceeded(pid_t child)
{
    if (child < 0)
        return false;
    int status = 0;
    // The child's alarm ends it, so this wait is bounded too.
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

inline bool holdsInBoundedChild(const std::function<bool()>& check, unsigned seconds = 5)
{
    return boundedChildSucceeded(startBoundedChild(check, seconds));
}

inline bool runningAsRoot() { return ::geteuid() == 0; }
