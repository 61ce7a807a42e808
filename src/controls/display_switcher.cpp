#include "controls/display_switcher.h"

#include "platform/display_modes.h"

TDisplaySwitcher::TDisplaySwitcher(DisplayModes& display)
    : m_display(display)
{
    refresh();
}

void TDisplaySwitcher::SetDisplaySettings(int width, int height, int bitsPerPixel, bool permanent)
{
    if (m_display.setMode(width, height, bitsPerPixel, permanent))
        refresh();
}

void TDisplaySwitcher::refresh()
{
    const auto size = m_display.screenSize();
    m_width = size.width();
    m_height = size.height();
}
