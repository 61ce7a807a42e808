#include "controls/bevel.h"

std::vector<BevelStroke> bevelStrokes(PixelRect rect, int width) {
    // The ring runs along the last row and column inside the rectangle.
    int left = rect.left;
    int top = rect.top;
    int right = rect.right - 1;
    int bottom = rect.bottom - 1;
    std::vector<BevelStroke> strokes;
    for (int ring = 0; ring < width && left <= right && top <= bottom; ++ring) {
        // Pen lines leave out their end point: the left edge stops above the
        // corner it starts from, the top edge short of the right column.
        strokes.push_back({{left, top, left + 1, bottom}, true});
        strokes.push_back({{left, top, right, top + 1}, true});
        strokes.push_back({{right, top, right + 1, bottom + 1}, false});
        strokes.push_back({{left, bottom, right + 1, bottom + 1}, false});
        ++left;
        ++top;
        --right;
        --bottom;
    }
    return strokes;
}
