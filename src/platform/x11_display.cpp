#include "platform/x11_display.h"

#include "platform/x11_connection.h"

#include <QGuiApplication>
#include <QScreen>

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

QSize X11Display::screenSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

bool X11Display::setMode(int width, int height, int /*bitsPerPixel*/, bool /*permanent*/)
{
    // X11 has no per-user stored default mode and no depth change at run
    // time: the size is what can change.
    Display* display = x11Display();
    if (!display)
        return false;
    const Window root = DefaultRootWindow(display);
    XRRScreenConfiguration* config = XRRGetScreenInfo(display, root);
    if (!config)
        return false;
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
    XFlush(display);
    return changed;
}
