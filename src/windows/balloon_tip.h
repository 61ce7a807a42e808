// One tool-tip balloon on the screen: a yellow ellipse with a dark shadow,
// the hint's text centred in black and a tail pointing at the mouse. It
// takes no input, so the mouse stays with the control under it.
#pragma once

#include "windows/balloon_shape.h"

#include <QWidget>

class BalloonTip : public QWidget {
public:
    BalloonTip();

    // Shows the text with the tail's tip at the mouse position, the balloon
    // on the side of it where the screen has room.
    void showText(const QString& text, QPoint mousePosition);

    const QString& text() const { return m_text; }
    const BalloonShape& shape() const { return m_shape; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Corner tipCornerFor(QPoint mousePosition, QSize size) const;

    QString m_text;
    BalloonShape m_shape;
};
