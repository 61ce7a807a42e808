// The audience poll's turning pie as arithmetic: where the title, the pie and
// its side wall sit in the chart, the angles of the slices at a turn of the
// pie, the part of each slice's wall in view, and where each slice's mark goes
// and what it reads.
//
// The pie is seen from 45 degrees above: its top is an ellipse whose height is
// cos 45 degrees of its width, and the front half of its side wall shows below
// it. Angles are Qt's: sixteenths of a degree, counter-clockwise from three
// o'clock, measured on the circle the ellipse is the view of, so that the
// angles of the slices are those of the pie itself.
#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

inline constexpr int FullCircle = 360 * 16;
inline constexpr int MarkArrowLength = 8; // pixels, from the slice's edge to its mark
inline constexpr int TurnStep = 5;        // degrees of one turn of the pie

struct PieLayout {
    QRect title;   // the band the title is centred in
    QRect top;     // the bounding rectangle of the top ellipse
    int depth = 0; // the height of the side wall below the top
};

// Where everything sits in a chart of the given size, for a title text of
// titleHeight pixels and marks no larger than markBox. The pie is as large
// as it can be while a mark fits at the end of every arrow, whatever the
// turn. A chart too small for that gets an empty top.
PieLayout pieLayout(QSize chart, int titleHeight, QSize markBox);

// A range of angles, start and span in sixteenths of a degree.
struct PieArc {
    int start = 0;
    int span = 0;

    friend bool operator==(const PieArc&, const PieArc&) = default;
};

// The slices of the values in the order given, counter-clockwise, the first
// one starting at the pie's rotation in degrees. The spans make a whole
// circle exactly; a zero value, or values that add up to zero, have none.
std::vector<PieArc> sliceArcs(const std::vector<int>& values, int rotation);

// The parts of a slice's side wall in view: those in the front half of the
// pie, from 180 to 360 degrees. A slice wider than a half can show its wall
// at both ends of it.
std::vector<PieArc> visibleWall(PieArc slice);

// A slice's mark: the arrow leaves the pie's outline at anchor, on the top's
// rim behind and on the wall's lower rim in front, and runs outward, away
// from the centre, to arrowEnd, where the label box begins.
struct MarkPlace {
    QPointF anchor;
    QPointF arrowEnd;
    QRect box;
};

MarkPlace markPlace(const PieLayout& layout, PieArc slice, QSize box);

// The slice's label, a space and its share of the total in the "##0.## %"
// pattern with the decimal comma: "A 40 %", "B 33,33 %". Shares are rounded
// to hundredths, halves away from zero; a total of zero gives "0 %".
QString markText(const QString& label, int value, int total);

// The rotation, in degrees, after one turn of the pie.
int turnedRotation(int rotation);
