#include "windows/fixed_window.h"

#include <QEvent>
#include <QScreen>

FixedWindow::FixedWindow(const QString& caption)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowStaysOnTopHint) {
    setWindowTitle(caption);
}

QFont FixedWindow::dialogFont(int pointSize) {
    // Liberation Sans keeps the lines as narrow as the dialog font they were
    // laid out for, where that font itself is missing.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize((pointSize * 96 + 36) / 72);
    return font;
}

void FixedWindow::setOuterSize(QSize outerSize) {
    m_outerSize = outerSize;
    setFixedSize(outerSize);
    centre();
}

bool FixedWindow::event(QEvent* event) {
    // A window manager adds its frame only once the window is up: the
    // client area then gives way so that the outer size stays.
    if (event->type() == QEvent::Show || event->type() == QEvent::Move) {
        const QSize client = m_outerSize - (frameGeometry().size() - size());
        if (client != size()) {
            setFixedSize(client);
            centre();
        }
    }
    return QWidget::event(event);
}

void FixedWindow::centre() {
    const QRect area = screen()->geometry();
    move(area.x() + (area.width() - m_outerSize.width()) / 2,
         area.y() + (area.height() - m_outerSize.height()) / 2);
}
