#include "stress/write_cut.h"

#include "storage/write_point.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int CutExit = 42;
constexpr int CompletedExit = 0;
constexpr int FailedExit = 1;
// A write takes milliseconds; a child still busy after this hangs.
constexpr unsigned ChildSeconds = 20;
// Enough for every write point of the longest write under test.
constexpr int MaxPoints = 1000;

int g_cutAt = 0;
int g_passed = 0;

void endAtTheChosenPoint()
{
    if (++g_passed == g_cutAt)
        ::_exit(CutExit);
}

pid_t startChild(const std::function<void()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(ChildSeconds);
        try {
            body();
        } catch (...) {
            ::_exit(FailedExit);
        }
        ::_exit(CompletedExit);
    }
    return child;
}

// The child's alarm bounds this wait.
int statusOf(pid_t child)
{
    int status = 0;
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return status;
}

} // namespace

CutOutcome runCutAt(int point, const std::function<void()>& write)
{
    const pid_t child = startChild([&] {
        g_cutAt = point;
        g_passed = 0;
        WritePoint::setWatcher(endAtTheChosenPoint);
        write();
    });
    if (child < 0)
        return CutOutcome::Failed;
    const int status = statusOf(child);
    if (WIFEXITED(status) && WEXITSTATUS(status) == CutExit)
        return CutOutcome::Cut;
    if (WIFEXITED(status) && WEXITSTATUS(status) == CompletedExit)
        return CutOutcome::Completed;
    return CutOutcome::Failed;
}

CutOutcome killAfter(std::chrono::microseconds delay, const std::function<void()>& writes)
{
    const pid_t child = startChild([&] {
        for (;;)
            writes();
    });
    if (child < 0)
        return CutOutcome::Failed;
    ::usleep(useconds_t(delay.count()));
    ::kill(child, SIGKILL);
    const int status = statusOf(child);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL ? CutOutcome::Killed
                                                              : CutOutcome::Failed;
}

int cutAtEveryPoint(const std::function<void()>& write, const std::function<void(bool cut)>& check)
{
    for (int point = 1; point <= MaxPoints; ++point) {
        const CutOutcome outcome = runCutAt(point, write);
        if (outcome == CutOutcome::Failed) {
            ADD_FAILURE() << "the write cut at point " << point << " failed on its own";
            return point - 1;
        }
        const bool cut = outcome == CutOutcome::Cut;
        SCOPED_TRACE(cut ? "cut at write point " + std::to_string(point) : "the write in full");
        check(cut);
        if (!cut || ::testing::Test::HasFatalFailure())
            return point - 1;
    }
    ADD_FAILURE() << "the write never completed";
    return MaxPoints;
}
