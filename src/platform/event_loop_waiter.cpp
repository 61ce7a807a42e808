#include "platform/event_loop_waiter.h"

#include "platform/game_timer.h"
#include "platform/wait_scope.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

namespace {

// Swallows all input while installed; a press of a button or key ends the loop.
class SkipOnInput : public QObject {
public:
    explicit SkipOnInput(QEventLoop& loop) : m_loop(loop) {}
    bool skipped() const { return m_skipped; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
            m_skipped = true;
            m_loop.quit();
            return true;
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
            return true;
        default:
            return event->isInputEvent() || QObject::eventFilter(watched, event);
        }
    }

private:
    QEventLoop& m_loop;
    bool m_skipped = false;
};

} // namespace

bool EventLoopWaiter::skippableWait(int milliseconds)
{
    if (milliseconds <= 0)
        return false;
    const WaitScope scope;
    QEventLoop loop;
    SkipOnInput skip(loop);
    QCoreApplication::instance()->installEventFilter(&skip);
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    QCoreApplication::instance()->removeEventFilter(&skip);
    return skip.skipped();
}

void EventLoopWaiter::wait(int milliseconds)
{
    if (milliseconds <= 0)
        return;
    const WaitScope scope;
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
