#include "adverts/shadow_label.h"

#include "controls/game_fonts.h"

#include <QPainter>

ShadowLabel::ShadowLabel(const QString& text, QWidget* parent)
    : QWidget(parent)
    , m_text(text)
{
    setFont(game_fonts::pixelFont(game_fonts::TimesNewRoman, 21, true));
    QFont italic = font();
    italic.setItalic(true);
    setFont(italic);
    setAttribute(Qt::WA_TranslucentBackground);
}

void ShadowLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    const int lines = static_cast<int>(m_text.size());
    if (lines == 0)
        return;
    const int lineHeight = height() / lines;
    for (int i = 0; i < lines; ++i) {
        const QRect line(0, i * lineHeight, width(), lineHeight);
        painter.setPen(m_shadow);
        painter.drawText(line.translated(m_shadowDepth, m_shadowDepth), Qt::AlignCenter, m_text.at(i));
        painter.setPen(m_colour);
        painter.drawText(line, Qt::AlignCenter, m_text.at(i));
    }
}
