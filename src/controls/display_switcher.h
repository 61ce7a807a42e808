// Remembers the screen size and changes the display mode: a screen narrower
// than the game needs is switched to 800 x 600 while the game runs.
#pragma once

#include <QSize>

class DisplayModes;

class TDisplaySwitcher {
public:
    explicit TDisplaySwitcher(DisplayModes& display);

    int CurrentWidth() const { return m_width; }
    int CurrentHeight() const { return m_height; }
    // Silent when the platform refuses; the size then stays as it was.
    void SetDisplaySettings(int width, int height, int bitsPerPixel, bool permanent);

private:
    void take(QSize size);

    DisplayModes& m_display;
    int m_width = 0;
    int m_height = 0;
};
