#include "platform/x11_monitor_probe.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <memory>

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

// The primary output, or the first lit one when none is primary, as Qt
// chooses its primary screen.
std::optional<PrimaryMonitor> randrMonitor(Display* display)
{
    int eventBase = 0, errorBase = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase))
        return std::nullopt;
    const Window root = DefaultRootWindow(display);
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
    if (!resources)
        return std::nullopt;
    const RROutput primary = XRRGetOutputPrimary(display, root);
    std::optional<PrimaryMonitor> found;
    for (int i = 0; i < resources->noutput && !found; ++i) {
        const RROutput candidate = resources->outputs[i];
        if (primary && candidate != primary)
            continue;
        XRROutputInfo* output = XRRGetOutputInfo(display, resources, candidate);
        if (output && output->crtc) {
            if (XRRCrtcInfo* crtc = XRRGetCrtcInfo(display, resources, output->crtc)) {
                found = PrimaryMonitor{QSize(static_cast<int>(crtc->width), static_cast<int>(crtc->height)),
                                       QString::fromLocal8Bit(output->name, output->nameLen)};
                XRRFreeCrtcInfo(crtc);
            }
        }
        if (output)
            XRRFreeOutputInfo(output);
    }
    XRRFreeScreenResources(resources);
    return found;
}

} // namespace

std::optional<PrimaryMonitor> probePrimaryMonitor()
{
    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display)
        return std::nullopt;
    if (auto monitor = randrMonitor(display.get()))
        return monitor;
    const int screen = DefaultScreen(display.get());
    return PrimaryMonitor{QSize(DisplayWidth(display.get(), screen), DisplayHeight(display.get(), screen)), {}};
}
