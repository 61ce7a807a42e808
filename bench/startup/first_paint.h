// Ends the program at the first paint of a window: start-up is measured
// from launch to the first painted main window.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

class QuitOnFirstPaint : public QObject {
public:
    explicit QuitOnFirstPaint(QWidget& window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};
