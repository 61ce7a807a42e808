#include "windows/answer_only_filter.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>

AnswerOnlyFilter::AnswerOnlyFilter(QMessageBox& box)
    : m_box(box) {
    box.installEventFilter(this);
}

bool AnswerOnlyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_box)
        return false;
    if (event->type() == QEvent::KeyPress) {
        // Escape reaches the box from the focused button, which leaves it alone.
        return static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel);
    }
    if (event->type() == QEvent::Close && m_box.clickedButton() == nullptr) {
        event->ignore();
        return true;
    }
    return false;
}
