// Locks the XKB group of the user's Russian layout, when there is one.
#pragma once

#include "platform/keyboard_layout.h"

class X11KeyboardLayout : public KeyboardLayout {
public:
    void selectRussian() override;
};
