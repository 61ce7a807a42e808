#include "app/pictures.h"

#include <QPainter>
#include <QSvgRenderer>

QString picturePath(const QString& name) { return QStringLiteral(":/pictures/%1.svg").arg(name); }

QPixmap renderPicture(const QString& name)
{
    QSvgRenderer renderer(picturePath(name));
    if (!renderer.isValid())
        return {};
    QPixmap pixmap(renderer.defaultSize());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}
