#include "windows/message_window_layout.h"

#include <algorithm>

MessageWindowLayout messageWindowLayout(int textWidth, int textHeight) {
    constexpr int MinimumWidth = 128;
    constexpr int Margin = 40;
    MessageWindowLayout layout;
    layout.width = std::max(MinimumWidth, textWidth + textWidth / 2) + Margin;
    layout.height = 5 * textHeight;
    layout.textX = (layout.width - textWidth) / 2 + 5;
    layout.textY = textHeight;
    return layout;
}
