#include "platform/x11_connection.h"

#include <QGuiApplication>

#include <X11/Xlib.h>

_XDisplay* x11Display()
{
    const auto* app = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                              : nullptr;
    return app ? app->display() : nullptr;
}
