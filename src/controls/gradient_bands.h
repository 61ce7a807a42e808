// The face of a gradient button: 256 horizontal bands running from the top
// colour to the bottom colour, spread over the rows of the face bitmap with
// the Windows MulDiv rounding, so the game's buttons show the same bands.
#pragma once

#include "controls/rgb_color.h"

#include <array>

// p x q / r rounded to the nearest integer, halves away from zero.
int MulDiv(int p, int q, int r);

struct GradientBand {
    int firstRow = 0; // rows firstRow .. endRow - 1; none when endRow <= firstRow
    int endRow = 0;
    RgbColor color;
};

inline constexpr int GradientBandCount = 256;

std::array<GradientBand, GradientBandCount> gradientBands(int height, RgbColor top,
                                                          RgbColor bottom);
