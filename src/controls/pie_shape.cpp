#include "controls/pie_shape.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The turn of the pie is computed with this pi, not a finer one, so the end
// point lands on the same pixel as in the original drawing.
constexpr double RoughPi = 3.14159;
constexpr int FullTurn = 360 * 16;

// Halves go to the even integer under the default rounding mode.
int nearestEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

// Sixteenths of a degree of the radial through (dx, dy) from the centre, up
// positive. The ratio of the sides is taken out, as the sector of an ellipse
// is measured on the circle it is stretched from.
int radialAngle(int width, int height, int dx, int dy) {
    const double radians =
        std::atan2(static_cast<double>(dy) * width, static_cast<double>(dx) * height);
    return static_cast<int>(std::lround(radians * 180.0 / std::numbers::pi * 16.0));
}

} // namespace

PieShape pieShape(int width, int height, ProgressRange range) {
    PieShape shape;
    shape.sliceFill = range.position != range.min;
    shape.hasSector = range.position != range.min && range.position != range.max;
    if (!shape.hasSector) {
        return shape;
    }
    const double angle =
        static_cast<double>(range.position - range.min) / (range.max - range.min) * 2 * RoughPi;
    const int reach = std::min(width, height);
    const int dx = nearestEven(reach * std::sin(angle));
    const int dy = nearestEven(reach * std::cos(angle));
    shape.endX = width / 2 + dx;
    shape.endY = height / 2 - dy;
    const int span = (radialAngle(width, height, dx, dy) - PieStartAngle) % FullTurn;
    shape.sectorSpan = span <= 0 ? span + FullTurn : span;
    return shape;
}
