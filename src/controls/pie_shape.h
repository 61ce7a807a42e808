// The pie style of the progress bar: a full ellipse, and for a position
// strictly between the ends a sector in the background colour that leaves
// the filled part clockwise from twelve o'clock.
#pragma once

#include "controls/progress_blocks.h"

struct PieShape {
    bool sliceFill = false; // the ellipse takes the slice colour, else the background colour
    bool hasSector = false;
    int endX = 0; // a point on the radial where the filled part ends
    int endY = 0;
    // The background sector runs counter-clockwise from twelve o'clock by this
    // many sixteenths of a degree; 5760 is the whole ellipse.
    int sectorSpan = 0;
};

inline constexpr int PieStartAngle = 90 * 16; // twelve o'clock, in sixteenths of a degree

PieShape pieShape(int width, int height, ProgressRange range);
