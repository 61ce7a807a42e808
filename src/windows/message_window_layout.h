// Where the coloured message window stands and where its one line of text
// goes, from the size of that text in the window's font. Sizes are outer
// sizes, caption and frame included.
#pragma once

struct MessageWindowLayout {
    int width = 0;
    int height = 0;
    int textX = 0; // left of the text
    int textY = 0; // top of the text

    friend bool operator==(const MessageWindowLayout&, const MessageWindowLayout&) = default;
};

MessageWindowLayout messageWindowLayout(int textWidth, int textHeight);
