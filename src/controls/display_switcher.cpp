#include "controls/display_switcher.h"

#include "platform/display_modes.h"

TDisplaySwitcher::TDisplaySwitcher(DisplayModes& display)
    : m_display(display)
{
    take(m_display.screenSize());
}

void TDisplaySwitcher::SetDisplaySettings(int width, int height, int bitsPerPixel, bool permanent)
{
    // The display's own answer: the screen the windows see catches up later.
    if (const auto size = m_display.setMode(width, height, bitsPerPixel, permanent))
        take(*size);
}

void TDisplaySwitcher::take(QSize size)
{
    m_width = size.width();
    m_height = size.height();
}
