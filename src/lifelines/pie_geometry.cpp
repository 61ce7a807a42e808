#include "lifelines/pie_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Seen from 45 degrees above, a circle is an ellipse this much as high as wide.
const double TopRatio = std::cos(std::numbers::pi / 4);
// The wall's height on screen, as a share of the pie's width.
constexpr double DepthRatio = 0.15;
constexpr int TitleTop = 2;
constexpr int Gap = 2; // between the title and the marks, and the marks and the chart's edge

constexpr int HalfCircle = FullCircle / 2;

double radians(double sixteenths) {
    return sixteenths / 16.0 * std::numbers::pi / 180.0;
}

// Where a box beyond a point lies, along one axis: -1 wholly before it, 1
// wholly after it, 0 centred on it. Between the axes (at 45 degrees) the box
// turns its corner to the pie.
double boxSide(double direction) {
    return std::clamp(direction * std::numbers::sqrt2, -1.0, 1.0);
}

} // namespace

PieLayout pieLayout(QSize chart, int titleHeight, QSize markBox) {
    PieLayout layout;
    layout.title = QRect(0, TitleTop, chart.width(), titleHeight);
    const int areaTop = layout.title.bottom() + 1 + Gap;
    const int areaHeight = chart.height() - Gap - areaTop;
    const int roomX = MarkArrowLength + markBox.width() + Gap;
    const int roomY = MarkArrowLength + markBox.height();
    const double widest = chart.width() - 2 * roomX;
    // One pixel spare, as the top and the wall are rounded each on its own.
    const double tallest = (areaHeight - 2 * roomY - 1) / (TopRatio + DepthRatio);
    const int width = std::max(0, static_cast<int>(std::min(widest, tallest)));
    const int height = static_cast<int>(std::lround(width * TopRatio));
    layout.depth = static_cast<int>(std::lround(width * DepthRatio));
    layout.top = QRect((chart.width() - width) / 2,
                       areaTop + (areaHeight - height - layout.depth) / 2, width, height);
    return layout;
}

std::vector<PieArc> sliceArcs(const std::vector<int>& values, int rotation) {
    long long total = 0;
    for (const int value : values) {
        total += value;
    }
    // Each boundary is rounded on its own, so the rounding never adds up.
    const auto boundary = [total](long long sum) {
        return total == 0 ? 0 : static_cast<int>((2 * sum * FullCircle + total) / (2 * total));
    };
    const int start = rotation * 16 % FullCircle;
    std::vector<PieArc> arcs;
    long long sum = 0;
    for (const int value : values) {
        const int from = boundary(sum);
        sum += value;
        arcs.push_back({(start + from) % FullCircle, boundary(sum) - from});
    }
    return arcs;
}

std::vector<PieArc> visibleWall(PieArc slice) {
    const int start = (slice.start % FullCircle + FullCircle) % FullCircle;
    const int end = start + slice.span;
    std::vector<PieArc> parts;
    // The front half, and the same half one turn on, where a slice that
    // starts late in the circle runs on to.
    for (const int front : {HalfCircle, HalfCircle + FullCircle}) {
        const int from = std::max(start, front);
        const int to = std::min(end, front + HalfCircle);
        if (to > from) {
            parts.push_back({from % FullCircle, to - from});
        }
    }
    return parts;
}

MarkPlace markPlace(const PieLayout& layout, PieArc slice, QSize box) {
    const double angle = radians(slice.start + slice.span / 2.0);
    const double dx = std::cos(angle);
    const double dy = -std::sin(angle); // screen rows grow downwards
    const QRectF top(layout.top);
    const double wall = dy > 0 ? layout.depth : 0.0;
    MarkPlace place;
    place.anchor = QPointF(top.center().x() + top.width() / 2 * dx,
                           top.center().y() + top.height() / 2 * dy + wall);
    place.arrowEnd = place.anchor + QPointF(dx, dy) * MarkArrowLength;
    const double left = place.arrowEnd.x() + (boxSide(dx) - 1) * box.width() / 2;
    const double upper = place.arrowEnd.y() + (boxSide(dy) - 1) * box.height() / 2;
    place.box = QRect(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(upper)),
                      box.width(), box.height());
    return place;
}

QString markText(const QString& label, int value, int total) {
    const long long hundredths = total == 0 ? 0 : (2LL * value * 10000 + total) / (2LL * total);
    QString share = QString::number(hundredths / 100);
    const int fraction = static_cast<int>(hundredths % 100);
    if (fraction % 10 != 0) {
        share += QStringLiteral(",%1").arg(fraction, 2, 10, QLatin1Char('0'));
    } else if (fraction != 0) {
        share += QStringLiteral(",%1").arg(fraction / 10);
    }
    return QStringLiteral("%1 %2 %").arg(label, share);
}

int turnedRotation(int rotation) {
    return (rotation + TurnStep) % 360;
}
