#include "controls/progress_blocks.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Margin = 2;

bool isHorizontal(QzProgOrientation orientation) {
    return orientation == QzProgOrientation::orHorizontal;
}

struct BlockColors {
    RgbColor lit;
    RgbColor unlit;
};

constexpr BlockColors GreenBlock{{0x00, 0xFF, 0x00}, {0x00, 0x7F, 0x00}};
constexpr BlockColors YellowBlock{{0xFF, 0xFF, 0x00}, {0xBF, 0xBF, 0x00}};
constexpr BlockColors RedBlock{{0xFF, 0x00, 0x00}, {0x7F, 0x00, 0x00}};

const BlockColors& intensityColors(int block, int count, int third) {
    if (block <= third) {
        return GreenBlock;
    }
    return block <= count - third ? YellowBlock : RedBlock;
}

} // namespace

ProgressMetrics progressMetrics(int width, int height, QzProgOrientation orientation,
                                ProgressRange range) {
    ProgressMetrics m;
    m.length = (isHorizontal(orientation) ? width : height) - 2 * Margin;
    m.thickness = isHorizontal(orientation) ? height : width;
    m.cross = m.thickness - Margin;
    m.pitch = (2 * m.cross) / 3;
    if (range.max != range.min) {
        const double share =
            static_cast<double>(range.position - range.min) / (range.max - range.min);
        m.fill = std::min(static_cast<int>(std::trunc(share * m.length)), m.length);
    }
    return m;
}

std::vector<PixelRect> win95Blocks(int width, int height, QzProgOrientation orientation,
                                   ProgressRange range) {
    const ProgressMetrics m = progressMetrics(width, height, orientation, range);
    std::vector<PixelRect> blocks;
    // A bar too thin for a block pitch has nothing to fill.
    if (m.fill <= 0 || m.pitch <= 0) {
        return blocks;
    }
    const int count = m.fill / m.pitch + 1;
    for (int k = 0; k < count; ++k) {
        if (isHorizontal(orientation)) {
            const int x = Margin + k * m.pitch;
            blocks.push_back({x, Margin, std::min(x + m.pitch - 2, width - 3), m.cross});
        } else {
            const int y = height - m.pitch - k * m.pitch;
            blocks.push_back({Margin, std::max(y, 1), m.cross, y + m.pitch - 2});
        }
    }
    return blocks;
}

std::vector<IntensityBlock> intensityBlocks(int width, int height, QzProgOrientation orientation,
                                            ProgressRange range) {
    const ProgressMetrics m = progressMetrics(width, height, orientation, range);
    std::vector<IntensityBlock> blocks;
    if (m.pitch <= 0) {
        return blocks;
    }
    const int count = m.length / m.pitch;
    const int lit = (m.fill + 1 + m.pitch / 2) / m.pitch;
    const int third = count / 3;
    const int firstTop = std::max(height - m.pitch, 1);
    for (int i = 1; i <= count; ++i) {
        const BlockColors& colors = intensityColors(i, count, third);
        const RgbColor color = i <= lit ? colors.lit : colors.unlit;
        if (isHorizontal(orientation)) {
            const int x = Margin + (i - 1) * m.pitch;
            blocks.push_back({{x, Margin, x + m.pitch - 2, m.cross}, color});
        } else {
            const int y = firstTop - (i - 1) * m.pitch;
            blocks.push_back({{Margin, y, m.cross, y + m.pitch - 2}, color});
        }
    }
    return blocks;
}

RaisedBlockLayers raisedBlockLayers(PixelRect block) {
    const PixelRect face = block.shrunk(1);
    return {face.shifted(-1, -1), face.shifted(1, 1), face};
}
