#include "platform/game_timer.h"

#include <QList>
#include <QPointer>

#include <utility>

namespace {
int waitDepth = 0;
int waitCount = 0;
QList<QPointer<GameTimer>>& heldTimers()
{
    static QList<QPointer<GameTimer>> held;
    return held;
}
} // namespace

GameTimer::GameTimer(int interval, QObject* parent)
    : QObject(parent)
{
    m_timer.setInterval(interval);
    connect(&m_timer, &QTimer::timeout, this, &GameTimer::onTimeout);
}

GameTimer::~GameTimer() { heldTimers().removeAll(this); }

void GameTimer::setInterval(int milliseconds)
{
    m_timer.setInterval(milliseconds);
    if (m_enabled)
        m_timer.start();
}

void GameTimer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (enabled) {
        m_timer.start();
    } else {
        m_timer.stop();
        m_held = false;
    }
}

void GameTimer::onTimeout()
{
    if (waiting()) {
        if (!m_held) {
            m_held = true;
            heldTimers().append(this);
        }
        return;
    }
    emit tick();
}

void GameTimer::deliverHeldTick()
{
    if (!m_held)
        return;
    m_held = false;
    if (m_enabled)
        emit tick();
}

void GameTimer::beginWait()
{
    ++waitDepth;
    ++waitCount;
}

void GameTimer::endWait()
{
    if (--waitDepth > 0)
        return;
    const auto held = std::exchange(heldTimers(), {});
    for (const QPointer<GameTimer>& timer : held)
        if (timer)
            timer->deliverHeldTick();
}

bool GameTimer::waiting() { return waitDepth > 0; }

int GameTimer::waitsBegun() { return waitCount; }
