#include "controls/gradient_bands.h"

#include <cstdlib>

int MulDiv(int p, int q, int r) {
    const long long product = static_cast<long long>(p) * q;
    long long quotient = product / r;
    const long long remainder = product % r;
    if (2 * std::llabs(remainder) >= std::llabs(r)) {
        quotient += ((product < 0) != (r < 0)) ? -1 : 1;
    }
    return static_cast<int>(quotient);
}

namespace {

int blend(int top, int bottom, int band) {
    return top + MulDiv(band, bottom - top, GradientBandCount - 1);
}

} // namespace

std::array<GradientBand, GradientBandCount> gradientBands(int height, RgbColor top,
                                                          RgbColor bottom) {
    std::array<GradientBand, GradientBandCount> bands;
    for (int i = 0; i < GradientBandCount; ++i) {
        bands[i] = {MulDiv(i, height, GradientBandCount),
                    MulDiv(i + 1, height, GradientBandCount),
                    {blend(top.red, bottom.red, i), blend(top.green, bottom.green, i),
                     blend(top.blue, bottom.blue, i)}};
    }
    return bands;
}
