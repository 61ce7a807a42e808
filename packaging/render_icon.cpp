// Renders the game's icon, an SVG picture of our own, into the PNG sizes that
// desktop menus look for: render_icon ICON.svg SIZE OUT.png.
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    const QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    bool sizeRead = false;
    const int size = args.size() == 3 ? args[1].toInt(&sizeRead) : 0;
    if (!sizeRead || size <= 0) {
        std::fputs("Usage: render_icon ICON.svg SIZE OUT.png\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(args[0]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", qPrintable(args[0]));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (!image.save(args[2], "PNG")) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
