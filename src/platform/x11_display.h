// The X11 display: its size as the server reports it, and mode changes
// through RandR where the server offers the size asked for.
#pragma once

#include "platform/display_modes.h"

class X11Display : public DisplayModes {
public:
    QSize screenSize() const override;
    std::optional<QSize> setMode(int width, int height, int bitsPerPixel, bool permanent) override;
};
