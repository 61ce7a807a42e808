#include "app/scene_scale.h"

#include <QList>

#include <algorithm>
#include <cmath>

namespace {

// Kept a little under the exact fit, so rounding never leaves the scene a
// pixel too large for the screen.
constexpr double FactorStep = 1000.0;

double positiveOrOne(QStringView text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && value > 0 && std::isfinite(value) ? value : 1.0;
}

// Unset, the global factor is 1.
double globalScale(QStringView globalFactor)
{
    return globalFactor.trimmed().isEmpty() ? 1.0 : positiveOrOne(globalFactor);
}

double screenFactor(QStringView screenFactors, QStringView output)
{
    const QList<QStringView> entries = screenFactors.split(u';', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const qsizetype equals = entries[i].indexOf(u'=');
        if (equals < 0 && i == 0)
            return positiveOrOne(entries[i]);
        if (equals >= 0 && !output.isEmpty() && entries[i].first(equals).trimmed() == output)
            return positiveOrOne(entries[i].sliced(equals + 1));
    }
    return 1.0;
}

} // namespace

double presetScale(QStringView globalFactor, QStringView screenFactors, QStringView output)
{
    return globalScale(globalFactor) * screenFactor(screenFactors, output);
}

std::optional<double> magnifiedGlobalFactor(QSize screenPixels, QStringView globalFactor, double preset)
{
    const double fit = std::min(screenPixels.width() / (preset * SceneSize.width()),
                                screenPixels.height() / (preset * SceneSize.height()));
    // The nudge keeps an exact fit such as 768 / 600 from falling a step.
    const double magnification = std::floor(fit * FactorStep + 1e-6) / FactorStep;
    if (!(magnification > 1.0))
        return std::nullopt;
    return globalScale(globalFactor) * magnification;
}

QRect sceneArea(QSize client, int screenWidth)
{
    const int width = std::min(SceneSize.width(), screenWidth);
    return QRect(std::max(0, (client.width() - width) / 2), 0, width, client.height());
}
