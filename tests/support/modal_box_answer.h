// Answers the modal box the game opens, from inside the box's own loop, the
// way a player would: the answer runs once the box is up. A box still open
// at the deadline is dismissed and the test fails, so no test waits forever.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

class ModalBoxAnswer {
public:
    ModalBoxAnswer(std::function<void(QWidget& box)> answer, int deadlineMs)
        : m_answer(std::move(answer))
    {
        m_poll.setInterval(10);
        QObject::connect(&m_poll, &QTimer::timeout, [this] { answerOpenBox(); });
        m_poll.start();
        m_deadline.setSingleShot(true);
        QObject::connect(&m_deadline, &QTimer::timeout, [this] { dismissOpenBox(); });
        m_deadline.start(deadlineMs);
    }

    bool answered() const { return m_answered; }

private:
    static QWidget* openBox()
    {
        QWidget* box = QApplication::activeModalWidget();
        return box != nullptr && box->isVisible() ? box : nullptr;
    }

    void answerOpenBox()
    {
        QWidget* box = openBox();
        if (box == nullptr)
            return;
        m_poll.stop();
        m_answered = true;
        m_answer(*box);
    }

    void dismissOpenBox()
    {
        m_poll.stop();
        if (auto* box = qobject_cast<QDialog*>(openBox())) {
            ADD_FAILURE() << "a box was still open at the deadline: "
                          << box->windowTitle().toStdString();
            box->done(QDialog::Rejected);
        }
    }

    std::function<void(QWidget&)> m_answer;
    QTimer m_poll;
    QTimer m_deadline;
    bool m_answered = false;
};
