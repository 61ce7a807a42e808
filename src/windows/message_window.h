// The coloured message window: a small stay-on-top window in which the game
// announces praise, warnings and the end of the time while a sound plays.
// Its one line of text and its size are fixed when it is made.
#pragma once

#include "windows/fixed_window.h"
#include "windows/message_window_layout.h"

#include <QColor>
#include <QPixmap>

class MessageWindow : public FixedWindow {
public:
    MessageWindow(const QString& caption, const QString& text, const QColor& background,
                  const QColor& textColour);

    const QString& text() const { return m_text; }
    const QColor& textColour() const { return m_textColour; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QColor m_textColour;
    QPixmap m_icon;
    MessageWindowLayout m_layout;
};

// The one message window of the game: showing a new one closes the old one,
// and closing when none is open does nothing.
void ShowMessageWindow(const QString& caption, const QString& text, const QColor& background,
                       const QColor& textColour);
void CloseMessageWindow();
