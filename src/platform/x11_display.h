// The X11 display: its size, and mode changes through RandR where the
// server offers the size asked for.
#pragma once

#include "platform/display_modes.h"

class X11Display : public DisplayModes {
public:
    QSize screenSize() const override;
    bool setMode(int width, int height, int bitsPerPixel, bool permanent) override;
};
