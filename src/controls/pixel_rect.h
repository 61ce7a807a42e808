// A rectangle of pixels in the controls' own arithmetic: the right and bottom
// edges lie just outside it, so a rectangle (x, y, x + w, y + h) covers w x h
// pixels and one whose right or bottom edge does not pass its left or top edge
// covers none.
#pragma once

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool isEmpty() const { return right <= left || bottom <= top; }
    PixelRect shifted(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    PixelRect shrunk(int by) const { return {left + by, top + by, right - by, bottom - by}; }

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};
