#include "windows/message_window.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>

namespace {

constexpr int PointSize = 11;

QPointer<MessageWindow>& theMessage() {
    static QPointer<MessageWindow> window;
    return window;
}

// The text stands on one line: a line break in it breaks nothing.
QString oneLine(QString text) {
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

} // namespace

MessageWindow::MessageWindow(const QString& caption, const QString& text, const QColor& background,
                             const QColor& textColour)
    : FixedWindow(caption)
    , m_text(oneLine(text))
    , m_textColour(textColour)
    , m_icon(QApplication::windowIcon().pixmap(32, 32)) {
    setObjectName(QStringLiteral("EFD_Msg"));
    setFont(dialogFont(PointSize));
    const QFontMetrics metrics(font());
    m_layout = messageWindowLayout(metrics.horizontalAdvance(m_text), metrics.height());
    setOuterSize(QSize(m_layout.width, m_layout.height));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
    setAutoFillBackground(true);
}

void MessageWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(m_textColour);
    painter.drawText(m_layout.textX, m_layout.textY + painter.fontMetrics().ascent(), m_text);
    painter.drawPixmap(10, 10, m_icon);
}

void ShowMessageWindow(const QString& caption, const QString& text, const QColor& background,
                       const QColor& textColour) {
    CloseMessageWindow();
    theMessage() = new MessageWindow(caption, text, background, textColour);
    theMessage()->show();
}

void CloseMessageWindow() {
    delete theMessage();
}
