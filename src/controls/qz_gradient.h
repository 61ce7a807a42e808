// The graded background of a form: rows of colour from ColorTop toward
// ColorBottom behind the form's controls, repainted whenever the form paints.
#pragma once

#include "controls/form_fx.h"

#include <QColor>

class TQzGradient : public ThgFormFx {
    Q_OBJECT
    Q_PROPERTY(QColor ColorTop READ colorTop WRITE setColorTop)
    Q_PROPERTY(QColor ColorBottom READ colorBottom WRITE setColorBottom)

public:
    explicit TQzGradient(QWidget* form);

    QColor colorTop() const { return m_colorTop; }
    void setColorTop(const QColor& color);
    QColor colorBottom() const { return m_colorBottom; }
    void setColorBottom(const QColor& color);

signals:
    void gradientBegin();
    void gradientEnd();

protected:
    void effect(QWidget& form, QPainter& painter) override;

private:
    void setColor(QColor& member, const QColor& color);

    QColor m_colorTop{0x00, 0x00, 0x80};
    QColor m_colorBottom{0x00, 0x00, 0xFF};
};
