// The rows of the graded background behind a form: from the top colour one
// step at a time toward the bottom colour, each channel kept to its low byte.
#pragma once

#include "controls/rgb_color.h"

#include <vector>

// One colour per row; none for a form without rows.
std::vector<RgbColor> backgroundRows(int height, RgbColor top, RgbColor bottom);
