#include "platform/x11_display.h"

#include "platform/x11_connection.h"

#include <QGuiApplication>
#include <QScreen>

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace {

// Asked of the server itself: Qt's screen and Xlib's own figures learn of a
// new mode only once its event has been handled.
QSize rootSize(Display* display)
{
    Window root = 0;
    int x = 0, y = 0;
    unsigned width = 0, height = 0, border = 0, depth = 0;
    if (!XGetGeometry(display, DefaultRootWindow(display), &root, &x, &y, &width, &height, &border, &depth))
        return {};
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

// Without X11 the screen Qt reports, in its own pixels rather than the
// scaled ones the windows are laid out in.
QSize qtScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() * screen->devicePixelRatio() : QSize();
}

} // namespace

QSize X11Display::screenSize() const
{
    Display* display = x11Display();
    return display ? rootSize(display) : qtScreenSize();
}

std::optional<QSize> X11Display::setMode(int width, int height, int /*bitsPerPixel*/, bool /*permanent*/)
{
    // X11 has no per-user stored default mode and no depth change at run
    // time: the size is what can change.
    Display* display = x11Display();
    int eventBase = 0, errorBase = 0;
    if (!display || !XRRQueryExtension(display, &eventBase, &errorBase))
        return std::nullopt;
    const Window root = DefaultRootWindow(display);
    XRRScreenConfiguration* config = XRRGetScreenInfo(display, root);
    if (!config)
        return std::nullopt;
    int count = 0;
    const XRRScreenSize* sizes = XRRConfigSizes(config, &count);
    bool changed = false;
    for (int i = 0; i < count; ++i) {
        if (sizes[i].width == width && sizes[i].height == height) {
            Rotation rotation = 0;
            XRRConfigCurrentConfiguration(config, &rotation);
            changed = XRRSetScreenConfig(display, config, root, i, rotation, CurrentTime) == Success;
            break;
        }
    }
    XRRFreeScreenConfigInfo(config);
    if (!changed)
        return std::nullopt;
    return rootSize(display);
}
