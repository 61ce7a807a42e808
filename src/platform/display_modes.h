// The screen's size and, where the platform allows, changing its mode.
#pragma once

#include <QSize>

class DisplayModes {
public:
    virtual ~DisplayModes() = default;
    virtual QSize screenSize() const = 0;
    // False when the platform refuses; nothing changes then.
    virtual bool setMode(int width, int height, int bitsPerPixel, bool permanent) = 0;
};
