#include "windows/balloon_tool_tips.h"

#include <QApplication>
#include <QCursor>
#include <QHelpEvent>

namespace {

constexpr int ShowMilliseconds = 5000;

} // namespace

BalloonToolTips::BalloonToolTips(QObject* parent)
    : QObject(parent) {
    m_hideTimer.setSingleShot(true);
    m_hideTimer.setInterval(ShowMilliseconds);
    connect(&m_hideTimer, &QTimer::timeout, this, &BalloonToolTips::hideBalloon);
}

BalloonToolTips::~BalloonToolTips() {
    delete m_balloon;
}

bool BalloonToolTips::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip: {
        auto* widget = qobject_cast<QWidget*>(watched);
        // A control without a hint passes the question on to its parent.
        if (widget == nullptr || widget->toolTip().isEmpty())
            return false;
        showBalloon(widget, static_cast<QHelpEvent*>(event)->globalPos());
        event->accept();
        return true;
    }
    case QEvent::Leave:
        // The balloon itself, appearing under the pointer, makes its owner
        // see the pointer leave: only a pointer really gone hides it.
        if (watched == m_owner && !m_owner->rect().contains(m_owner->mapFromGlobal(QCursor::pos())))
            hideBalloon();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        hideBalloon();
        return false;
    default:
        return false;
    }
}

void BalloonToolTips::showBalloon(QWidget* owner, QPoint mousePosition) {
    if (m_balloon == nullptr)
        m_balloon = new BalloonTip;
    m_owner = owner;
    m_balloon->showText(owner->toolTip(), mousePosition);
    m_hideTimer.start();
}

void BalloonToolTips::hideBalloon() {
    m_hideTimer.stop();
    m_owner = nullptr;
    if (m_balloon != nullptr)
        m_balloon->hide();
}

BalloonToolTips& installBalloonToolTips(QApplication& app) {
    auto* toolTips = new BalloonToolTips(&app);
    app.installEventFilter(toolTips);
    return *toolTips;
}
