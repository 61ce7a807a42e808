#include "controls/form_fx.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

ThgFormFx::ThgFormFx(QWidget* form)
    : QObject(form)
    , m_form(form) {
    form->installEventFilter(this);
}

void ThgFormFx::setEnabled(bool enabled) {
    if (m_enabled != enabled) {
        m_enabled = enabled;
        m_form->update();
    }
}

bool ThgFormFx::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_form && event->type() == QEvent::Paint && m_enabled) {
        QPainter painter(m_form);
        effect(*m_form, painter);
    }
    // The form's own painting follows, then its children.
    return false;
}
