// Keeps a question box open until one of its buttons answers it: Escape and
// the window's close button do nothing. It must not outlive the box.
#pragma once

#include <QObject>

class QMessageBox;

class AnswerOnlyFilter : public QObject {
public:
    explicit AnswerOnlyFilter(QMessageBox& box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMessageBox& m_box;
};
