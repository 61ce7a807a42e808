// Answers a modal box from inside its own event loop, the way a player
// would: the given step runs once the box is up. Nothing waits on a box for
// ever: whatever box is still up at the deadline (the one to answer, or one
// that came after it) is closed with every box above it and fails the test,
// and so does a box that never showed while the helper lived. One helper
// answers one box, and ends with its scope.
#pragma once

#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>
#include <string>

class ModalAnswer {
public:
    static constexpr std::chrono::milliseconds DefaultDeadline{5000};

    // `boxName` says in a failure which box was left unanswered.
    ModalAnswer(QString boxName, std::function<void(QWidget&)> answer,
                std::chrono::milliseconds deadline = DefaultDeadline);
    ~ModalAnswer();

    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    bool answered() const { return m_seen; }

private:
    void look();
    void giveUp();
    void fail(const std::string& what);
    bool boxStillUp() const;

    QString m_boxName;
    std::function<void(QWidget&)> m_answer;
    std::chrono::milliseconds m_deadlineLength;
    QTimer m_poll;
    // A timer of its own: the poll is held while an answer opens a nested box.
    QTimer m_deadline;
    bool m_seen = false;
    QPointer<QWidget> m_box;
    bool m_failed = false;
};
