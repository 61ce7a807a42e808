// The colours of the show: the main window's navy and the colours of the
// verdict messages and answer buttons.
#pragma once

#include <QColor>

namespace game_colours {
inline const QColor Navy(0x00, 0x28, 0x51);  // the main window and the money window
inline const QColor Blue(0x00, 0x00, 0xFF);
inline const QColor Red(0xFF, 0x00, 0x00);
inline const QColor Lime(0x00, 0xFF, 0x00);
inline const QColor Yellow(0xFF, 0xFF, 0x00);
inline const QColor White(0xFF, 0xFF, 0xFF);
inline const QColor Black(0x00, 0x00, 0x00);
inline const QColor Lavender(0x80, 0x80, 0xFF);
inline const QColor Maroon(0x80, 0x00, 0x00);
} // namespace game_colours
