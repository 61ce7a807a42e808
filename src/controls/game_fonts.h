// The fonts of the game's windows, in pixel sizes, each with the metric-alike
// families of this desktop behind the family the window was laid out for.
#pragma once

#include <QFont>
#include <QStringList>

namespace game_fonts {

inline const QStringList TimesNewRoman{QStringLiteral("Times New Roman"),
                                       QStringLiteral("Liberation Serif")};
inline const QStringList CourierNew{QStringLiteral("Courier New"),
                                    QStringLiteral("Liberation Mono")};
inline const QStringList Arial{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
inline const QStringList SansSerif{QStringLiteral("MS Sans Serif"),
                                   QStringLiteral("Liberation Sans"),
                                   QStringLiteral("DejaVu Sans")};

inline QFont pixelFont(const QStringList& families, int pixels, bool bold = false)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace game_fonts
