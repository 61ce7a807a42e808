#include "windows/fixed_window.h"

#include <QScreen>

FixedWindow::FixedWindow(const QString& caption, QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    // The caption still names the window to the desktop (task bar, window list).
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
    setFixedSize(outerSize);
    const QRect area = screen()->geometry();
    move(area.x() + (area.width() - outerSize.width()) / 2,
         area.y() + (area.height() - outerSize.height()) / 2);
}
