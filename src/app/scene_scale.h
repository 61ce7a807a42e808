// The game is laid out for an 800 × 600 screen. A larger screen shows that
// scene magnified as a whole, as large as the screen holds it, so nothing
// moves against anything else and the text stays sharp.
#pragma once

#include <QRect>
#include <QSize>
#include <QStringView>

#include <optional>

inline constexpr QSize SceneSize(800, 600);

// The player's own magnification of the screen whose output is named, from
// Qt's variables as they are set (QT_SCALE_FACTOR, QT_SCREEN_SCALE_FACTORS):
// the global factor times the screen's, a screen's given by position (the
// first) or by its output's name. Values that are no positive number count 1.
double presetScale(QStringView globalFactor, QStringView screenFactors, QStringView output);

// The global factor that shows the scene as large as a screen of these
// pixels holds it, over the player's preset magnification; none when the
// scene fills no more than it does already. A screen smaller than the scene
// is switched to 800 × 600 at start instead of being shrunk into.
std::optional<double> magnifiedGlobalFactor(QSize screenPixels, QStringView globalFactor, double preset);

// Where the scene lies in the window's client area: across the middle of it,
// from the top; never wider than the screen gives.
QRect sceneArea(QSize client, int screenWidth);
