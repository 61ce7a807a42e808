// The bevelled ring of the gradient button, also used for the sunken frame of
// the progress bar: one-pixel rings drawn inwards, the upper-left colour along
// the left and top edges, the lower-right colour along the right and bottom
// edges, the latter drawn last so it owns the shared corners.
#pragma once

#include "controls/pixel_rect.h"

#include <vector>

struct BevelStroke {
    PixelRect area;
    bool upperLeft = false; // else lower-right colour
};

// Strokes in drawing order for a bevel of the given width on the rectangle.
// The rings stop once the rectangle has shrunk to nothing.
std::vector<BevelStroke> bevelStrokes(PixelRect rect, int width);
