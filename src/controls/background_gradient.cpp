#include "controls/background_gradient.h"

#include <cmath>

namespace {

int channel(int top, int bottom, int height, int row) {
    const double step = static_cast<double>(top - bottom) / height;
    // nearbyint takes halves to the even integer, as the rows are meant to.
    return (top - static_cast<int>(std::nearbyint(row * step))) & 0xFF;
}

} // namespace

std::vector<RgbColor> backgroundRows(int height, RgbColor top, RgbColor bottom) {
    std::vector<RgbColor> rows;
    for (int i = 0; i < height; ++i) {
        rows.push_back({channel(top.red, bottom.red, height, i),
                        channel(top.green, bottom.green, height, i),
                        channel(top.blue, bottom.blue, height, i)});
    }
    return rows;
}
