// The outline of a tool-tip balloon: an ellipse round the hint's text and a
// tail whose tip touches the mouse, with room for the shadow down and to the
// right. The tail leaves from the side of the ellipse nearest its tip, so the
// balloon can stand on whichever side of the mouse the screen has room for.
#pragma once

#include <QPainterPath>
#include <QRect>
#include <QSize>

struct BalloonShape {
    QSize size;           // the whole balloon, shadow included
    QRect ellipse;        // the text is centred in it
    QPainterPath outline; // ellipse and tail
    QPoint tip;           // the end of the tail
};

constexpr int BalloonShadowOffset = 2;

BalloonShape balloonShape(QSize textSize, Qt::Corner tipCorner);
