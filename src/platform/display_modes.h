// The screen's size and, where the platform allows, changing its mode.
// Sizes are in the screen's own pixels, whatever scale the windows are
// drawn at: a mode is made of those.
#pragma once

#include <QSize>

#include <optional>

class DisplayModes {
public:
    virtual ~DisplayModes() = default;
    // Right after a change of mode this may still be the size before it:
    // the program's windows learn of the change only from the event loop.
    virtual QSize screenSize() const = 0;
    // The size the display reports once it has changed its mode; none when
    // the platform refuses, and nothing changes then.
    virtual std::optional<QSize> setMode(int width, int height, int bitsPerPixel, bool permanent) = 0;
};
