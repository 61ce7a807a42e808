#include "platform/event_loop_waiter.h"

#include "platform/game_timer.h"
#include "platform/wait_scope.h"

#include <QEventLoop>
#include <QTimer>

void EventLoopWaiter::wait(int milliseconds)
{
    if (milliseconds <= 0)
        return;
    const WaitScope scope;
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
