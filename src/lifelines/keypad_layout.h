// Where the keys of the phone dialog's keypad stand: each row of characters
// becomes a row of equal buttons, a space leaves a gap and an empty row a
// gap row. Positions are counted in 16-bit arithmetic, so a layout that runs
// past 65535 pixels or below 0 wraps around instead of growing.
#pragma once

#include <QChar>
#include <QRect>
#include <QStringList>

#include <vector>

struct KeypadGeometry {
    quint16 blankXSize = 9;
    quint16 blankYSize = 9;
    quint16 buttonHeight = 18;
    quint16 buttonLeftMargin = 2;
    quint16 buttonTopMargin = 2;
    quint16 buttonWidth = 18;
    qint32 buttonXSpacing = -1; // -1: neighbours share their border line
    qint32 buttonYSpacing = -1;

    friend bool operator==(const KeypadGeometry&, const KeypadGeometry&) = default;
};

struct KeypadKey {
    QChar character;
    QRect area;

    friend bool operator==(const KeypadKey&, const KeypadKey&) = default;
};

// The keys of the rows, row by row and left to right, in creation order.
std::vector<KeypadKey> keypadKeys(const QStringList& rows, const KeypadGeometry& geometry);
