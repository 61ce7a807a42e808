// Finds the game's top-level windows by their names, as another program on
// the desktop would.
#pragma once

#include <QApplication>
#include <QWidget>

inline QWidgetList topLevelsNamed(const QString& name) {
    QWidgetList found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name)
            found << widget;
    return found;
}

inline QWidget* topLevelNamed(const QString& name) {
    const QWidgetList found = topLevelsNamed(name);
    return found.size() == 1 ? found.constFirst() : nullptr;
}

// Counts the pixels of an exact colour inside a rectangle of an image.
inline int countColour(const QImage& image, const QRect& area, const QColor& colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                ++count;
    return count;
}
