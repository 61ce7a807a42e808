#include "platform/x11_keyboard_layout.h"

#include "platform/x11_connection.h"

#include <QString>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

void X11KeyboardLayout::selectRussian()
{
    Display* display = x11Display();
    if (!display)
        return;
    XkbDescPtr keyboard = XkbAllocKeyboard();
    if (!keyboard)
        return;
    if (XkbGetNames(display, XkbGroupNamesMask, keyboard) == Success && keyboard->names) {
        for (int group = 0; group < XkbNumKbdGroups; ++group) {
            const Atom atom = keyboard->names->groups[group];
            if (atom == None)
                continue;
            char* name = XGetAtomName(display, atom);
            const bool russian = name && QString::fromLocal8Bit(name).contains(
                                             QLatin1String("Russian"), Qt::CaseInsensitive);
            if (name)
                XFree(name);
            if (russian) {
                XkbLockGroup(display, XkbUseCoreKbd, static_cast<unsigned>(group));
                XFlush(display);
                break;
            }
        }
    }
    XkbFreeKeyboard(keyboard, 0, True);
}
