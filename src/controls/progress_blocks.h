// The arithmetic of the progress bar's block styles: how long the bar is, how
// far it is filled and where each block lies, for a bar of a given size and
// position. The thinking-time bar of the game is the intensity style.
#pragma once

#include "controls/pixel_rect.h"
#include "controls/rgb_color.h"

#include <vector>

enum class QzProgOrientation { orVertical = 0, orHorizontal = 1 };
enum class QzProgBarType { pbWin95 = 0, pbIntensity = 1, pbPie = 2 };

struct ProgressRange {
    int min = 0;
    int max = 100;
    int position = 0;
};

struct ProgressMetrics {
    int length = 0;    // L: room for blocks along the bar
    int thickness = 0; // T: size across the bar
    int cross = 0;     // Q: far edge of a block across the bar
    int pitch = 0;     // S: distance from one block to the next
    int fill = 0;      // v: filled part of the length
};

ProgressMetrics progressMetrics(int width, int height, QzProgOrientation orientation,
                                ProgressRange range);

// The plain blocks that are filled, first block first.
std::vector<PixelRect> win95Blocks(int width, int height, QzProgOrientation orientation,
                                   ProgressRange range);

struct IntensityBlock {
    PixelRect area;
    RgbColor color;
};

// Every block of the intensity style, lit or not, first block first.
std::vector<IntensityBlock> intensityBlocks(int width, int height, QzProgOrientation orientation,
                                            ProgressRange range);

// A raised block is three fills in this order: white highlight, black shadow,
// then the face in the block's colour.
struct RaisedBlockLayers {
    PixelRect highlight;
    PixelRect shadow;
    PixelRect face;
};

RaisedBlockLayers raisedBlockLayers(PixelRect block);
