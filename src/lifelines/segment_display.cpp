#include "lifelines/segment_display.h"

#include <cmath>

namespace segment_display {

namespace {

int tableRow(QChar character) {
    const char16_t code = character.unicode();
    if (code >= u'0' && code <= u'9') {
        return code - u'0';
    }
    if (code == u'-') {
        return 10;
    }
    if (code == u':') {
        return 11;
    }
    if (code >= u'A' && code <= u'Z') {
        return 12 + (code - u'A');
    }
    return -1;
}

bool isShown(QChar character) {
    return tableRow(character) >= 0 || character == QLatin1Char(' ') ||
           character == QLatin1Char('.');
}

// Halves go to the even neighbour, as the display has always rounded.
int roundEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

QString padded(const QString& text, int cells) {
    if (text.size() >= cells) {
        return text.left(cells);
    }
    return QString(cells - text.size(), QLatin1Char(' ')) + text;
}

QRect corners(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QSize(right - left, bottom - top));
}

} // namespace

bool lightsSlot(QChar character, int slot) {
    const int row = tableRow(character);
    return row >= 0 && SegmentTable[row][slot - 1];
}

int segmentOrder(TLCDAnimation animation, RandomSource& random) {
    switch (animation) {
    case TLCDAnimation::anSpiral:
        return 1;
    case TLCDAnimation::anUp:
        return 2;
    case TLCDAnimation::anLeft:
        return 4;
    case TLCDAnimation::anRight:
        return 5;
    case TLCDAnimation::anRandom:
        random.randomize();
        return 1 + random.random(5);
    case TLCDAnimation::anNone:
    case TLCDAnimation::anDown:
        break;
    }
    return AtOnceOrder;
}

QString normalizedValue(const QString& value) {
    QString text = value;
    for (QChar& character : text) {
        if (character >= QLatin1Char('a') && character <= QLatin1Char('z')) {
            character = QChar(character.unicode() - u'a' + u'A');
        } else if (!isShown(character)) {
            return {};
        }
    }
    if (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return text;
}

DotSplit SplitDots(const QString& text) {
    DotSplit split;
    bool afterPoint = false;
    for (const QChar character : text) {
        if (character == QLatin1Char('.')) {
            split.points += QLatin1Char('.');
            // A second point in a row gets a blank cell of its own.
            if (afterPoint) {
                split.digits += QLatin1Char(' ');
            } else {
                afterPoint = true;
            }
        } else {
            if (afterPoint) {
                afterPoint = false;
            } else {
                split.points += QLatin1Char(' ');
            }
            split.digits += character;
        }
    }
    return split;
}

DotSplit cellText(const QString& text, int cells) {
    const DotSplit split = SplitDots(text);
    return {padded(split.digits, cells), padded(split.points, cells)};
}

SegmentGeometry::SegmentGeometry(int width, int height, int cells, int spacing, int gapX, int gapY,
                                 int thickness)
    : m_spacing(spacing)
    , m_gapX(gapX)
    , m_gapY(gapY)
    , m_thickness(thickness)
    // No cells, no width: nothing to divide.
    , m_cellWidth(cells > 0
                      ? static_cast<int>(
                            (qint64(width) - 1 - qint64(cells) * (qint64(spacing) + 1)) / cells)
                      : 0)
    , m_bottom(height - 1)
    , m_middle(m_bottom / 2)
    , m_horizontal(m_cellWidth - 2 * gapX)
    , m_vertical(m_middle - 2 * gapY) {}

int SegmentGeometry::cellLeft(int cell) const {
    return static_cast<int>(qint64(cell - 1) * m_cellWidth + qint64(cell) * (m_spacing + 1));
}

std::array<QPoint, 6> SegmentGeometry::segment(int cell, int slot) const {
    const int left = cellLeft(cell);
    const int right = left + m_cellWidth;
    switch (slot) {
    case Top:
        return horizontal({left + m_gapX, 0}, m_thickness);
    case Bottom:
        return horizontal({left + m_gapX, m_bottom}, -m_thickness);
    case Middle:
        return middleBar({left + m_gapX, m_middle - m_thickness / 2});
    case UpperLeft:
        return vertical({left, m_gapY}, m_thickness);
    case UpperRight:
        return vertical({right, m_gapY}, -m_thickness);
    case LowerLeft:
        return vertical({left, m_middle + m_gapY}, m_thickness);
    default:
        return vertical({right, m_middle + m_gapY}, -m_thickness);
    }
}

// `thickness` is negative for the segments that grow up or to the left from
// the cell's bottom or right edge.
std::array<QPoint, 6> SegmentGeometry::horizontal(QPoint start, int thickness) const {
    const int x = start.x();
    const int y = start.y();
    const int t = m_thickness;
    const int length = m_horizontal;
    const int slant = roundEven(thickness / 4.0);
    return {{{x, y + slant},
             {x + t / 2, y},
             {x + length - t / 2, y},
             {x + length, y + slant},
             {x + length - t, y + thickness},
             {x + t, y + thickness}}};
}

std::array<QPoint, 6> SegmentGeometry::middleBar(QPoint start) const {
    const int x = start.x();
    const int y = start.y();
    const int t = m_thickness;
    const int length = m_horizontal;
    const int tip = roundEven(t / 2.0);
    return {{{x, y + tip},
             {x + t, y},
             {x + length - t, y},
             {x + length, y + tip},
             {x + length - t, y + t},
             {x + t, y + t}}};
}

std::array<QPoint, 6> SegmentGeometry::vertical(QPoint start, int thickness) const {
    const int x = start.x();
    const int y = start.y();
    const int t = m_thickness;
    const int length = m_vertical;
    const int slant = roundEven(thickness / 4.0);
    return {{{x + slant, y},
             {x, y + t / 2},
             {x, y + length - t / 2},
             {x + slant, y + length},
             {x + thickness, y + length - t},
             {x + thickness, y + t}}};
}

std::array<QRect, 2> SegmentGeometry::colonDots(int cell) const {
    const int dotWidth = m_horizontal / 3;
    const int dotHeight = m_vertical / 3;
    const int x = cellLeft(cell) + (m_cellWidth - dotWidth) / 2;
    return {{corners(x, m_middle - 2 * dotHeight, x + dotWidth, m_middle - dotHeight),
             corners(x, m_middle + dotHeight, x + dotWidth, m_middle + 2 * dotHeight)}};
}

QRect SegmentGeometry::decimalPoint(int cell) const {
    const int gapStart = (cell - 1) * (m_cellWidth + m_spacing + 1);
    return corners(gapStart + 2, m_bottom - m_spacing + 2, gapStart + m_spacing, m_bottom);
}

} // namespace segment_display
