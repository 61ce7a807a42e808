#include "lifelines/keypad_layout.h"

std::vector<KeypadKey> keypadKeys(const QStringList& rows, const KeypadGeometry& geometry) {
    std::vector<KeypadKey> keys;
    quint16 x = geometry.buttonLeftMargin;
    quint16 y = geometry.buttonTopMargin;
    for (const QString& row : rows) {
        bool rowHasButton = false;
        if (row.isEmpty()) {
            y = static_cast<quint16>(y + geometry.blankYSize);
        }
        for (const QChar character : row) {
            if (character == QLatin1Char(' ')) {
                x = static_cast<quint16>(x + geometry.blankXSize);
                continue;
            }
            keys.push_back({character, QRect(x, y, geometry.buttonWidth, geometry.buttonHeight)});
            x = static_cast<quint16>(x + geometry.buttonWidth + geometry.buttonXSpacing);
            rowHasButton = true;
        }
        // A row of keys is a button high even when it ends in a gap, so the
        // next row never covers it.
        if (rowHasButton) {
            y = static_cast<quint16>(y + geometry.buttonHeight);
        }
        y = static_cast<quint16>(y + geometry.buttonYSpacing);
        x = geometry.buttonLeftMargin;
    }
    return keys;
}
