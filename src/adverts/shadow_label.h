// The break's title: the word "Реклама" stood on end, one letter a line,
// in red over a yellow shadow, on whatever lies behind it.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class ShadowLabel : public QWidget {
    Q_OBJECT
public:
    ShadowLabel(const QString& text, QWidget* parent = nullptr);

    QString text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QColor m_colour{0xFF, 0x00, 0x00};
    QColor m_shadow{0xFF, 0xFF, 0x00};
    int m_shadowDepth = 2;
};
