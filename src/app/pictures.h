// The game's pictures, drawn from its own SVG resources at their exact sizes
// (in the window's own pixels; sharp on a magnified screen).
#pragma once

#include <QPixmap>
#include <QString>

// An empty pixmap when there is no picture of that name.
QPixmap renderPicture(const QString& name);
// Where the picture of that name lies among the resources.
QString picturePath(const QString& name);
