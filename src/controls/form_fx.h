// An effect painted on a form before anything else of it: it runs each time
// the form paints, ahead of the form's own painting, and the form's child
// controls are painted over both.
#pragma once

#include <QObject>

class QPainter;
class QWidget;

class ThgFormFx : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)

public:
    // The effect belongs to the form and lives as long as it does.
    explicit ThgFormFx(QWidget* form);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

protected:
    virtual void effect(QWidget& form, QPainter& painter) = 0;
    QWidget& form() const { return *m_form; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_form;
    bool m_enabled = true;
};
