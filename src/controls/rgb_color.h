// A colour as the controls compute with it: red, green and blue bytes kept as
// plain integers, so the arithmetic of gradients and blocks stays free of any
// drawing library.
#pragma once

struct RgbColor {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const RgbColor&, const RgbColor&) = default;
};
