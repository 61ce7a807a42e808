#include "support/modal_answer.h"

#include <QApplication>
#include <QDialog>

#include <gtest/gtest.h>

#include <utility>

namespace {

// The topmost box first, so that each box's own loop ends on the way out.
void closeEveryModal() {
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        // A box that refuses to close is hidden, which ends its loop as well.
        if (modal->isVisible())
            modal->hide();
    }
}

} // namespace

ModalAnswer::ModalAnswer(QString boxName, std::function<void(QWidget&)> answer,
                         std::chrono::milliseconds deadline)
    : m_boxName(std::move(boxName))
    , m_answer(std::move(answer))
    , m_deadlineLength(deadline) {
    m_poll.setInterval(std::chrono::milliseconds(10));
    QObject::connect(&m_poll, &QTimer::timeout, [this] { look(); });
    m_deadline.setSingleShot(true);
    QObject::connect(&m_deadline, &QTimer::timeout, [this] { giveUp(); });
    m_poll.start();
    m_deadline.start(deadline);
}

ModalAnswer::~ModalAnswer() {
    m_poll.stop();
    m_deadline.stop();
    if (m_failed)
        return;
    if (!m_seen)
        fail("never showed");
    else if (boxStillUp())
        fail("was still open when its helper ended");
}

void ModalAnswer::look() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible())
        return;
    m_poll.stop();
    m_seen = true;
    m_box = modal;
    m_answer(*modal);
}

void ModalAnswer::giveUp() {
    m_poll.stop();
    if (!m_seen) {
        fail("did not show within " + std::to_string(m_deadlineLength.count()) + " ms");
    } else if (boxStillUp()) {
        fail("stayed open " + std::to_string(m_deadlineLength.count()) + " ms after its answer");
    } else if (const QWidget* other = QApplication::activeModalWidget()) {
        fail("was answered, but then the box \"" + other->windowTitle().toStdString() +
             "\" stayed open");
    }
}

void ModalAnswer::fail(const std::string& what) {
    m_failed = true;
    closeEveryModal();
    ADD_FAILURE() << "Not answered: " << m_boxName.toStdString() << ' ' << what;
}

bool ModalAnswer::boxStillUp() const {
    return m_box != nullptr && m_box->isVisible();
}
