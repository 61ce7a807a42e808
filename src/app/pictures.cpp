#include "app/pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

QString picturePath(const QString& name) { return QStringLiteral(":/pictures/%1.svg").arg(name); }

QPixmap renderPicture(const QString& name)
{
    QSvgRenderer renderer(picturePath(name));
    if (!renderer.isValid())
        return {};
    // Drawn in the screen's own pixels, so a magnified scene shows it sharp.
    const qreal scale = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(renderer.defaultSize() * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), renderer.defaultSize()));
    return pixmap;
}
