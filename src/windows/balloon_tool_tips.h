// The game's tool tips: every hint of the application shows as a yellow
// balloon instead of the desktop's own tip. The balloon goes when the mouse
// leaves its control, on a click or a key, or after five seconds.
#pragma once

#include "windows/balloon_tip.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class QApplication;

class BalloonToolTips : public QObject {
public:
    explicit BalloonToolTips(QObject* parent = nullptr);
    ~BalloonToolTips() override;

    // The balloon on show, or none.
    BalloonTip* balloon() const { return m_balloon; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showBalloon(QWidget* owner, QPoint mousePosition);
    void hideBalloon();

    QPointer<BalloonTip> m_balloon;
    QPointer<QWidget> m_owner;
    QTimer m_hideTimer;
};

// Puts the balloons in place of the desktop's tips for the whole game.
BalloonToolTips& installBalloonToolTips(QApplication& app);
