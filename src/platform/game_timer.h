// A timer of the game's windows. Its ticks never run inside one of the
// game's waits: a tick that falls in a wait is held and delivered once when
// the wait is over, or dropped when the timer was stopped meanwhile.
#pragma once

#include <QObject>
#include <QTimer>

class GameTimer : public QObject {
    Q_OBJECT
public:
    explicit GameTimer(int interval, QObject* parent = nullptr);
    ~GameTimer() override;

    int interval() const { return m_timer.interval(); }
    void setInterval(int milliseconds);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // Every wait of the game is bracketed by these.
    static void beginWait();
    static void endWait();
    static bool waiting();
    // How many waits have begun since the program started: a command that
    // changed it held the player's input back for a while.
    static int waitsBegun();

signals:
    void tick();

private:
    void onTimeout();
    void deliverHeldTick();

    QTimer m_timer;
    bool m_enabled = false;
    bool m_held = false;
};
