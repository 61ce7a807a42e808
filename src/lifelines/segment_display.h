// What the seven-segment display of the phone dialog shows and where: which
// segments a character lights, in which order the segments of a changing cell
// are drawn, how a text is cleaned up and split into cells and decimal
// points, and the shapes of the segments, colon dots and points of a cell.
// Cells are numbered from 1 at the left, slots as in the segment table.
#pragma once

#include "platform/random_source.h"

#include <QChar>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <initializer_list>

enum class TLCDAnimation { anNone, anSpiral, anUp, anDown, anLeft, anRight, anRandom };

namespace segment_display {

constexpr int SlotCount = 8;

// The slots of a cell.
enum Slot {
    Top = 1,
    UpperLeft = 2,
    UpperRight = 3,
    Middle = 4,
    LowerLeft = 5,
    LowerRight = 6,
    Bottom = 7,
    Colon = 8 // two dots on the middle line
};

using SlotFlags = std::array<bool, SlotCount>;

constexpr SlotFlags lit(std::initializer_list<int> litSlots) {
    SlotFlags flags{};
    for (const int slot : litSlots) {
        flags[slot - 1] = true;
    }
    return flags;
}

// The lit slots of the digits 0..9, then "-", ":", then the letters A..Z.
constexpr std::array<SlotFlags, 38> SegmentTable{{
    lit({1, 2, 3, 5, 6, 7}),    // 0
    lit({3, 6}),                // 1
    lit({1, 3, 4, 5, 7}),       // 2
    lit({1, 3, 4, 6, 7}),       // 3
    lit({2, 3, 4, 6}),          // 4
    lit({1, 2, 4, 6, 7}),       // 5
    lit({1, 2, 4, 5, 6, 7}),    // 6
    lit({1, 3, 6}),             // 7
    lit({1, 2, 3, 4, 5, 6, 7}), // 8
    lit({1, 2, 3, 4, 6, 7}),    // 9
    lit({4}),                   // -
    lit({8}),                   // :
    lit({1, 2, 3, 4, 5, 6}),    // A
    lit({2, 4, 5, 6, 7}),       // B
    lit({1, 2, 5, 7}),          // C
    lit({3, 4, 5, 6, 7}),       // D
    lit({1, 2, 4, 5, 7}),       // E
    lit({1, 2, 4, 5}),          // F
    lit({1, 2, 4, 5, 6, 7}),    // G
    lit({2, 4, 5, 6}),          // H
    lit({3, 6}),                // I
    lit({3, 6, 7}),             // J
    lit({2, 3, 4, 5, 6}),       // K
    lit({2, 5, 7}),             // L
    lit({4, 5, 6}),             // M
    lit({4, 5, 6}),             // N
    lit({4, 5, 6, 7}),          // O
    lit({1, 2, 3, 4, 5}),       // P
    lit({1, 2, 3, 4, 6}),       // Q
    lit({4, 5}),                // R
    lit({1, 2, 4, 6, 7}),       // S
    lit({2, 4, 5}),             // T
    lit({2, 3, 5, 6, 7}),       // U
    lit({2, 3, 5, 6, 7}),       // V
    lit({2, 3, 5, 6, 7}),       // W
    lit({2, 3, 4, 5, 6}),       // X
    lit({2, 3, 4, 6}),          // Y
    lit({1, 3, 4, 5, 7}),       // Z
}};

// The orders in which the eight slots of the changing cells are drawn:
// 1 spiral, 2 up, 3 down (also for drawing at once), 4 left, 5 right.
constexpr std::array<std::array<int, SlotCount>, 5> SegmentOrder{{
    {8, 4, 2, 1, 3, 6, 7, 5},
    {7, 6, 5, 8, 4, 3, 2, 1},
    {1, 2, 3, 8, 4, 5, 6, 7},
    {6, 3, 7, 8, 4, 1, 5, 2},
    {2, 5, 1, 8, 4, 7, 3, 6},
}};

constexpr int AtOnceOrder = 3;

// Whether the character lights the slot; a space, or any character the
// display cannot show, lights nothing.
bool lightsSlot(QChar character, int slot);

// The order number (1..5) for an animation; a random one draws it afresh.
int segmentOrder(TLCDAnimation animation, RandomSource& random);

// The text a display stores for a value: small letters a..z in capitals, a
// text with any character but 0..9, A..Z, space, "-", "." and ":" blank, and
// one trailing point dropped.
QString normalizedValue(const QString& value);

// A text as cells: one digit and one point entry ("." or space) per cell, a
// point belonging to the cell after it.
struct DotSplit {
    QString digits;
    QString points;

    friend bool operator==(const DotSplit&, const DotSplit&) = default;
};

DotSplit SplitDots(const QString& text);

// The split text right-aligned in the given number of cells, or cut to its
// first ones when it has more.
DotSplit cellText(const QString& text, int cells);

// The shapes of the cells of a display of the given size.
class SegmentGeometry {
public:
    SegmentGeometry(int width, int height, int cells, int spacing, int gapX, int gapY,
                    int thickness);

    int cellWidth() const { return m_cellWidth; }
    int cellLeft(int cell) const;
    int middleLine() const { return m_middle; }
    int horizontalLength() const { return m_horizontal; }
    int verticalLength() const { return m_vertical; }

    // The six corners of one of the slots 1..7.
    std::array<QPoint, 6> segment(int cell, int slot) const;
    // The bounding boxes of the two colon dots (slot 8).
    std::array<QRect, 2> colonDots(int cell) const;
    // The decimal point in the gap to the left of the cell.
    QRect decimalPoint(int cell) const;

private:
    std::array<QPoint, 6> horizontal(QPoint start, int thickness) const;
    std::array<QPoint, 6> middleBar(QPoint start) const;
    std::array<QPoint, 6> vertical(QPoint start, int thickness) const;

    int m_spacing;
    int m_gapX;
    int m_gapY;
    int m_thickness;
    int m_cellWidth;
    int m_bottom; // the last row
    int m_middle;
    int m_horizontal;
    int m_vertical;
};

} // namespace segment_display
