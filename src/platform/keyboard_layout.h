// Switches the keyboard to the Russian layout so names are typed in Cyrillic.
#pragma once

class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;
    virtual void selectRussian() = 0;
};
